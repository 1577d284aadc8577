// The meaning pane: a read-only, multi-line, word-wrapping text box with a
// vertical scroll bar, navy text on light grey and a dark frame line.
#pragma once

#include <QColor>
#include <QTextEdit>
#include <QRect>

#include "app/Resource.h"

namespace nira {

// A COLORREF (0x00BBGGRR) as a QColor.
QColor ColorFromColorRef(COLORREF value);

// A rich text edit for its one ability a plain one lacks: a line pitch of
// its own, tighter than the line spacing the Persian font asks for. Only
// plain text is ever set.
class CShadedEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit CShadedEdit(QWidget* parent = nullptr);

    // Right-aligned text read right to left (the Persian pane).
    void SetRightToLeft();
    bool IsRightToLeft() const;

    // Sets the text as the window text of an edit control: "\r\n" starts a
    // new line. Every line is linePixels apart (see SetLinePitch).
    void SetWindowText(const QString& text);
    // The distance from one line's top to the next; 0: the font's own.
    void SetLinePitch(int linePixels);
    int LinePitch() const { return m_linePixels; }
    // The text with its line breaks as "\r\n" again.
    QString GetWindowText() const;

    // The frame drawn over the client area: one pixel beyond the client at
    // the left, top and bottom, one pixel inside it at the right, so only
    // the right line shows.
    static QRect FrameRectFor(int clientWidth, int clientHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
    // What a copy out of the pane puts on the clipboard: the plain text,
    // marked as Nira's.
    QMimeData* createMimeDataFromSelection() const override;

private:
    void CtlColor();
    void ApplyLinePitch();

    int m_linePixels = 0;
};

}  // namespace nira
