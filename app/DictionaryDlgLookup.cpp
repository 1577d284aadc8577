// The lookup of the query field, what an entry shows, the welcome text and
// stepping to neighbouring entries.
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cstring>

#include "NiraEdition.h"
#include "app/DictionaryDlg.h"
#include "app/Trace.h"
#include "dict/Browse.h"
#include "present/Constants.h"
#include "present/WelcomeText.h"
#include "text/PersianDisplay.h"

namespace nira {

QString WindowTextFromCp1256(const unsigned char* text, std::size_t capacity) {
    char16_t wide[kPaneTextUnits];
    const std::size_t limit = std::min<std::size_t>(capacity, kPaneTextUnits) - 1;
    const std::size_t bytes = strnlen(reinterpret_cast<const char*>(text), limit);
    const std::size_t units = Cp1256ToDisplay(text, bytes, wide, limit);
    return QString(reinterpret_cast<const QChar*>(wide), static_cast<qsizetype>(units));
}

// The query field's change: runs synchronously inside whatever set the
// text, typing, browsing or the clipboard watcher.
void CDictionaryDlg::OnChangeWord() {
    ++m_lookupCount;
    const QString text = m_editWord->text();
    LookupResult result;
    LookUpWord(reinterpret_cast<const char16_t*>(text.utf16()),
               static_cast<std::size_t>(text.size()), m_state, m_dict, result);
    switch (result.outcome) {
    case LookupOutcome::EmptyField:
        ShowEmptyQuery();
        break;
    case LookupOutcome::Entry:
        ShowEntry(result.entry, result.length, result.file);
        break;
    case LookupOutcome::SpacesOnly:
    case LookupOutcome::FileNotOpen:
        break;  // the window keeps what it shows
    }
    TraceCurrentLookup(result.outcome == LookupOutcome::EmptyField);
}

void CDictionaryDlg::TraceCurrentLookup(bool emptyField) {
    if (!TraceEnabled()) return;
    const QString headword =
        emptyField ? QString() : WindowTextFromCp1256(m_state.m_headword, kHeadwordBufferSize);
    TraceLookup(m_editWord->text(), headword, m_paneMode, m_lookupFromClipboard);
}

void CDictionaryDlg::ShowEntry(const unsigned char* entry, int length, DataFileId file) {
    EntryView view;
    DecodeEntry(entry, length, file, m_dict.m_scrambleKey, view);
    std::memcpy(m_state.m_headword, view.headword, sizeof m_state.m_headword);
    m_state.m_headword[kHeadwordBufferSize - 1] = 0;
    SetHeadwordFont(file == DataFileId::English);
    m_headwordLine->setText(WindowTextFromCp1256(m_state.m_headword, kHeadwordBufferSize));
    if (view.hasPersian) SetPaneText(m_paneFa, view.persian);
    if (view.hasEnglish) SetPaneText(m_paneEn, view.english);
    LayoutPanes(view.mode);
}

void CDictionaryDlg::SetPaneText(CShadedEdit* pane, const unsigned char* text) {
    pane->SetWindowText(WindowTextFromCp1256(text, kPaneTextUnits));
}

void CDictionaryDlg::ShowEmptyQuery() {
    ShowWelcomeText();
    m_headwordLine->setText(QString());
}

void CDictionaryDlg::ShowWelcomeText() {
    unsigned char text[kWelcomeBufferSize];
    JoinWelcomeText(edition::kWelcomePieces, kWelcomePieceCount, edition::kScrambleKey, text);
    const QString wide = WindowTextFromCp1256(text, kWelcomeUnits);
    LayoutPanes(kPanePersian);
    m_paneFa->SetWindowText(wide);
}

void CDictionaryDlg::OnPrev() {
    StepBrowse(-1);
}

void CDictionaryDlg::OnNext() {
    StepBrowse(+1);
}

// A step writes the neighbour's headword into the query field; the lookup
// of that headword shows the entry.
void CDictionaryDlg::StepBrowse(int delta) {
    unsigned char headword[kHeadwordBufferSize] = {};
    if (!StepEntry(delta, m_state, m_dict, headword)) return;
    SetQueryText(WindowTextFromCp1256(headword, kHeadwordBufferSize));
}

// Setting an edit control's text always notifies its change, even when the
// text stays the same (a neighbour with the same headword, a copied word
// already in the field); a line edit does not, so the lookup runs here then.
void CDictionaryDlg::SetQueryText(const QString& text) {
    const unsigned before = m_lookupCount;
    m_editWord->setText(text);
    if (m_lookupCount == before) OnChangeWord();
}

}  // namespace nira
