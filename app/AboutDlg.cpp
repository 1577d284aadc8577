#include "app/AboutDlg.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QShowEvent>
#include <QString>

#include <cstddef>

#include "NiraEdition.h"
#include "app/DialogUnits.h"
#include "app/Resource.h"
#include "present/WelcomeText.h"
#include "text/PersianDisplay.h"

namespace nira {

namespace {

// Template IDD_ABOUTBOX in dialog units: x, y, width, height.
struct AboutTemplateRect {
    int x, y, width, height;
};
constexpr int kAboutWidth = 235;
constexpr int kAboutHeight = 103;
constexpr AboutTemplateRect kIconRect{10, 7, 20, 20};
constexpr AboutTemplateRect kTitleRect{40, 10, 119, 8};
constexpr AboutTemplateRect kOkRect{178, 7, 50, 14};
constexpr AboutTemplateRect kTextRect{11, 29, 214, 64};
constexpr int kIconPixels = 32;  // an icon static takes its icon's size

QRect PixelRect(const AboutTemplateRect& r) {
    return MapDialogRect(r.x, r.y, r.width, r.height);
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    // A modal frame: a caption with a close box, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    QFont dialogFont = font();
    dialogFont.setPixelSize(kDialogFontPixels);
    setFont(dialogFont);
    setFixedSize(DialogUnitsToPixelsX(kAboutWidth), DialogUnitsToPixelsY(kAboutHeight));
    CreateControls();
}

void CAboutDlg::CreateControls() {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
    icon->setPixmap(QIcon(QString::fromLatin1(kMainIcon32)).pixmap(kIconPixels));
    icon->setGeometry(QRect(PixelRect(kIconRect).topLeft(), QSize(kIconPixels, kIconPixels)));

    auto* title = new QLabel(QString::fromUtf8(kAboutTitle), this);
    title->setObjectName(QStringLiteral("aboutTitle"));
    title->setTextFormat(Qt::PlainText);
    title->setGeometry(PixelRect(kTitleRect));

    m_ok = new QPushButton(QString::fromUtf8(kAboutOk), this);
    m_ok->setObjectName(QStringLiteral("IDOK"));
    m_ok->setDefault(true);
    m_ok->setFocusPolicy(Qt::StrongFocus);
    m_ok->setGeometry(PixelRect(kOkRect));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_aboutText = new QLabel(this);
    m_aboutText->setObjectName(QStringLiteral("IDC_ABOUT_TEXT"));
    m_aboutText->setTextFormat(Qt::PlainText);
    m_aboutText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_aboutText->setWordWrap(true);
    m_aboutText->setGeometry(PixelRect(kTextRect));
}

bool CAboutDlg::OnInitDialog() {
    // Work on a copy sized to the stored text; the stored bytes never
    // change, so every opening shows the same text.
    constexpr std::size_t kStoredSize = sizeof(edition::kAboutText);
    unsigned char plain[kStoredSize];
    const std::size_t n =
        UnscrambleAboutText(edition::kAboutText, edition::kScrambleKey, plain, kStoredSize);
    char16_t wide[kStoredSize];
    const std::size_t units = Cp1256ToDisplay(plain, n, wide, kStoredSize);
    m_aboutText->setText(QString::fromUtf16(wide, static_cast<qsizetype>(units)));
    return true;
}

void CAboutDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // the window manager restoring it
    if (OnInitDialog()) m_ok->setFocus(Qt::OtherFocusReason);
}

}  // namespace nira
