#include "app/ShadedEdit.h"

#include "app/ClipboardText.h"

#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>
#include <QTextOption>

namespace nira {

QColor ColorFromColorRef(COLORREF value) {
    return QColor(static_cast<int>(value & 0xFF),
                  static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

CShadedEdit::CShadedEdit(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A thin plain border like a bordered edit control.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // An edit control's narrow margins: room for one line more.
    document()->setDocumentMargin(kPaneTextMargin);
    CtlColor();
}

// The pane's colours: light grey background and text background, navy
// text, the same whether the pane is active, inactive or disabled.
void CShadedEdit::CtlColor() {
    QPalette colors = palette();
    const QColor background = ColorFromColorRef(kPaneBackground);
    const QColor text = ColorFromColorRef(kPaneText);
    for (QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, background);
        colors.setColor(group, QPalette::Text, text);
        colors.setColor(group, QPalette::WindowText, Qt::black);
    }
    setPalette(colors);
}

void CShadedEdit::SetRightToLeft() {
    // The document's own option decides the alignment of the text; the
    // widget's layout direction would also move the scroll bar.
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    document()->setDefaultTextOption(option);
}

bool CShadedEdit::IsRightToLeft() const {
    const QTextOption option = document()->defaultTextOption();
    return option.textDirection() == Qt::RightToLeft &&
           (option.alignment() & Qt::AlignRight);
}

void CShadedEdit::SetWindowText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(lines);
    ApplyLinePitch();
}

void CShadedEdit::SetLinePitch(int linePixels) {
    m_linePixels = linePixels;
    ApplyLinePitch();
}

void CShadedEdit::ApplyLinePitch() {
    QTextBlockFormat format;
    if (m_linePixels > 0) {
        format.setLineHeight(m_linePixels, QTextBlockFormat::FixedHeight);
    } else {
        format.setLineHeight(0, QTextBlockFormat::SingleHeight);
    }
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

QString CShadedEdit::GetWindowText() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

// The pane holds plain text: a copy is its plain text, offered first (a
// program pasting takes the first type), and Nira's mark after it.
QMimeData* CShadedEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText());
    data->setData(QString::fromLatin1(kOwnCopyType), QByteArray("1"));
    return data;
}

QRect CShadedEdit::FrameRectFor(int clientWidth, int clientHeight) {
    // Edges -1 .. width - 1 and -1 .. height + 1, right and bottom exclusive.
    return QRect(-1, -1, clientWidth, clientHeight + 2);
}

void CShadedEdit::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    // The frame's four one-pixel lines; those outside the client area are
    // clipped away, as on a client device context.
    const QRect r = FrameRectFor(viewport()->width(), viewport()->height());
    const QColor frame = ColorFromColorRef(kPaneFrame);
    QPainter painter(viewport());
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), frame);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), frame);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), frame);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), frame);
}

}  // namespace nira
