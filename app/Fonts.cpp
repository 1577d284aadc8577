#include "app/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include "app/Resource.h"

namespace nira {

namespace {

// The family the carried font registers as, or "" when it is missing.
QString RegisterPersianFont() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kPersianFontResource));
    if (id < 0) return QString();
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

}  // namespace

void LoadApplicationFonts() {
    static const QString family = RegisterPersianFont();
    if (family.isEmpty()) return;
    const QString face = QString::fromLatin1(kPaneFontFace);
    // Qt keeps substitutes in lower case.
    if (!QFont::substitutes(face).contains(family, Qt::CaseInsensitive))
        QFont::insertSubstitution(face, family);
}

}  // namespace nira
