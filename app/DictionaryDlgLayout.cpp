// The dialog template IDD_MAIN, its icons and font, and the pane layout.
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "app/DialogUnits.h"
#include "app/DictionaryDlg.h"
#include "app/Fonts.h"
#include "app/Resource.h"
#include "text/LowerCase.h"

namespace nira {
namespace {

// The query field's lower-case style: typed, pasted and set text alike,
// by the same rule `nira lookup` applies to its words.
class LowerCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        LowerCaseInPlace(reinterpret_cast<char16_t*>(input.data()),
                         static_cast<std::size_t>(input.size()));
        return Acceptable;
    }
};

QRect PixelRect(const DialogRect& r) {
    return MapDialogRect(r.x, r.y, r.width, r.height);
}

template <typename Widget>
Widget* Place(Widget* widget, const DialogRect& rect, const char* name) {
    widget->setGeometry(PixelRect(rect));
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QIcon IconFromResource(const char* path) {
    const QString file = QString::fromLatin1(path);
    if (!QFile::exists(file) || !QImageReader(file).canRead()) return QIcon();
    return QIcon(file);
}

}  // namespace

QIcon CDictionaryDlg::LoadMainIcon() {
    QIcon icon;
    for (const char* path : {kMainIconSvg, kMainIcon32, kMainIcon16}) {
        const QString file = QString::fromLatin1(path);
        if (QFile::exists(file) && QImageReader(file).canRead()) icon.addFile(file);
    }
    return icon;
}

void CDictionaryDlg::CreateControls() {
    setWindowFlags(Qt::Window);  // minimise and maximise boxes, a taskbar entry
    setWindowTitle(QString::fromUtf8(kMainCaption));
    QFont dialogFont = font();
    dialogFont.setPixelSize(kDialogFontPixels);
    setFont(dialogFont);
    resize(PixelRect(kMainDialogRect).size());

    m_wordLabel = Place(new QLabel(QString::fromUtf8(kWordLabel), this),
                        kWordLabelRect, "IDC_STATIC");
    m_wordLabel->setTextFormat(Qt::PlainText);
    m_wordLabel->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);

    m_editWord = Place(new QLineEdit(this), kWordRect, "IDC_WORD");
    m_editWord->setValidator(new LowerCaseValidator(m_editWord));
    // Left-aligned whatever the script, like the template's edit control.
    m_editWord->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);

    m_headwordLine = Place(new QLabel(QString::fromUtf8(kHeadwordTemplateText), this),
                           kHeadwordRect, "IDC_HEADWORD");
    m_headwordLine->setTextFormat(Qt::PlainText);
    m_headwordLine->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);

    m_paneFa = Place(new CShadedEdit(this), kMeaningFaRect, "IDC_MEANING_FA");
    m_paneFa->SetRightToLeft();

    m_buttonPrev = Place(new QPushButton(QString::fromUtf8(kPrevButtonText), this),
                         kPrevRect, "IDC_PREV");
    m_buttonNext = Place(new QPushButton(QString::fromUtf8(kNextButtonText), this),
                         kNextRect, "IDC_NEXT");
    for (QPushButton* button : {m_buttonPrev, m_buttonNext}) {
        button->setAutoDefault(false);  // the dialog has no default button
        button->setDefault(false);
    }

    m_paneEn = Place(new CShadedEdit(this), kMeaningEnRect, "IDC_MEANING_EN");

    QWidget::setTabOrder(m_editWord, m_paneFa);
    QWidget::setTabOrder(m_paneFa, m_buttonPrev);
    QWidget::setTabOrder(m_buttonPrev, m_buttonNext);
    QWidget::setTabOrder(m_buttonNext, m_paneEn);
}

void CDictionaryDlg::SetIcons() {
    if (!m_hIcon.isNull()) setWindowIcon(m_hIcon);
}

void CDictionaryDlg::CreatePaneFont() {
    LoadApplicationFonts();
    m_font = QFont(QString::fromLatin1(kPaneFontFace));
    m_font.setPixelSize(kPaneFontPixels);
    m_paneFa->setFont(m_font);
    m_paneEn->setFont(m_font);
    m_paneFa->SetLinePitch(kPaneLinePixels);
    m_paneEn->SetLinePitch(kPaneLinePixels);
}

// A Persian headword in the pane font, an English one in the dialog font.
void CDictionaryDlg::SetHeadwordFont(bool persian) {
    if (!persian) {
        m_headwordLine->setFont(font());
        return;
    }
    QFont headword = m_font;
    headword.setPixelSize(kHeadwordPersianPixels);
    m_headwordLine->setFont(headword);
}

// An arrow button shows its icon alone; its text stays where no icon is.
void CDictionaryDlg::SetButtonImages() {
    const std::pair<QPushButton*, const char*> images[] = {
        {m_buttonPrev, kPrevIcon}, {m_buttonNext, kNextIcon}};
    for (const auto& [button, path] : images) {
        const QIcon icon = IconFromResource(path);
        if (icon.isNull()) continue;
        button->setAccessibleName(button->text());
        button->setText(QString());
        button->setIcon(icon);
        button->setIconSize(button->size() - QSize(4, 4));
    }
}

// Places the panes for a pane mode below the fixed 47-pixel top strip;
// any mode but 1, 2 and 3 is only recorded.
void CDictionaryDlg::LayoutPanes(int mode) {
    const int width = rect().width();
    const int height = rect().height() - kPaneAreaTop;
    switch (mode) {
    case kPanePersian:
        m_paneEn->hide();
        m_paneFa->show();
        m_paneFa->setGeometry(0, kPaneAreaTop, width, height);
        break;
    case kPaneEnglish:
        m_paneFa->hide();
        m_paneEn->show();
        m_paneEn->setGeometry(0, kPaneAreaTop, width, height);
        break;
    case kPaneBoth: {
        m_paneFa->show();
        m_paneEn->show();
        const int half = height / 2;
        m_paneFa->setGeometry(0, kPaneAreaTop, width, half);
        m_paneEn->setGeometry(0, kPaneAreaTop + half, width, half);
        break;
    }
    default:
        break;
    }
    m_paneMode = mode;
}

// Only the panes follow the window's size, and only once "persian" is
// open: before that the panes keep their template rectangles.
void CDictionaryDlg::OnSize() {
    if (m_dict.m_filePersian.IsOpen()) LayoutPanes(m_paneMode);
}

}  // namespace nira
