// A main window over small fixture data files, with its INI file in a
// folder of its own and the file-error message captured instead of shown.
#pragma once

#include <QRect>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/DictionaryDlg.h"
#include "support/Fixture.h"

namespace nira::test {

// Windows-1256 bytes of a UTF-16 text, and back (through the engine's own
// conversion, which the window uses too).
std::string Cp1256(std::u16string_view text);
QString FromCp1256(const std::string& bytes);

// The data files most window tests use. "persian" (English headwords):
//   1 apple (a), 2 bank, 3 book (b), 4 car, 5 cat, 6 cow (c), 7 dog (d);
//   car has no Persian meaning, cat no English definition, cow neither.
// "english" (Persian headwords): 1 اسب (ا), 2 باران, 3 برف (ب), 4 كتاب (ك).
std::unique_ptr<FixtureDictionary> MakeStandardFixture();

struct CapturedMessage {
    QString caption;
    QString text;
};

class WindowHarness {
public:
    // A window over the files in dataFolder built for edition; the INI
    // file is iniPath, or Nira.ini in a fresh folder when empty.
    WindowHarness(const std::string& dataFolder, const DictionaryEdition& edition,
                  const std::string& iniPath = std::string());
    explicit WindowHarness(const FixtureDictionary& fixture,
                           const std::string& iniPath = std::string());
    ~WindowHarness();

    CDictionaryDlg& Dlg() { return *m_dlg; }
    const std::string& IniPath() const { return m_iniPath; }
    const std::vector<CapturedMessage>& Messages() const { return m_messages; }

    // The start-up sequence; returns its result.
    bool Start();
    // Start(), then shows the window and waits until it is exposed.
    bool StartShown();
    void Show();

    // Types text into the query field key by key.
    void Type(const QString& text);
    // Sets the query field's text as a paste or a program would.
    void SetQuery(const QString& text);

    QString Headword() const;
    QString PersianText() const;
    QString EnglishText() const;
    bool PersianShown() const;
    bool EnglishShown() const;
    QRect PersianRect() const;
    QRect EnglishRect() const;

private:
    std::unique_ptr<TempFolder> m_configFolder;
    std::string m_iniPath;
    std::vector<CapturedMessage> m_messages;
    std::unique_ptr<CDictionaryDlg> m_dlg;
};

// The folder of the real data files: $NIRA_DATA_DIR, else the build's bin/.
std::string RealDataFolder();
// Where pictures of the window are kept: $NIRA_WINDOW_SHOTS, else the
// build's folder for them; "" to keep none.
QString ShotsFolder();

// Writes an INI file with the four "Position" values as given.
void WriteIni(const std::string& path, const std::string& left, const std::string& right,
              const std::string& top, const std::string& bottom);

// The lines of captured standard error that the lookup trace wrote (Qt may
// write warnings of its own in between).
std::string TraceLines(const std::string& captured);

// The template rectangle of a control in pixels.
QRect TemplatePixels(const DialogRect& rect);

}  // namespace nira::test
