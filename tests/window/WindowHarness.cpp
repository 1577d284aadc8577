#include "window/WindowHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/DialogUnits.h"
#include "text/Cp1256.h"

namespace nira::test {

std::string Cp1256(std::u16string_view text) { return WideToCp1256(text); }

QString FromCp1256(const std::string& bytes) {
    std::u16string wide(bytes.size(), u'\0');
    const std::size_t n = Cp1256ToWide(reinterpret_cast<const unsigned char*>(bytes.data()),
                                       bytes.size(), wide.data(), wide.size());
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(n));
}

std::unique_ptr<FixtureDictionary> MakeStandardFixture() {
    const std::vector<FixtureEntry> persianFile = {
        {"apple", {Cp1256(u"سيب"), "1- a round fruit 2- its tree"}},
        {"bank", {Cp1256(u"بانك"), "a place that keeps money"}},
        {"book", {Cp1256(u"1- كتاب 2- رزرو كردن"), "1- (n.) a written work 2- (v.) to reserve"}},
        {"car", {"", "a road vehicle"}},
        {"cat", {Cp1256(u"گربه"), ""}},
        {"cow", {"", ""}},
        {"dog", {Cp1256(u"سگ"), "an animal"}},
    };
    const std::vector<FixtureEntry> englishFile = {
        {Cp1256(u"اسب"), {"horse"}},
        {Cp1256(u"باران"), {"rain"}},
        {Cp1256(u"برف"), {"1- snow 2- ice"}},
        {Cp1256(u"كتاب"), {"book"}},
    };
    return std::make_unique<FixtureDictionary>(persianFile, englishFile);
}

WindowHarness::WindowHarness(const std::string& dataFolder,
                             const DictionaryEdition& edition,
                             const std::string& iniPath) {
    if (iniPath.empty()) {
        m_configFolder = std::make_unique<TempFolder>();
        m_iniPath = m_configFolder->FilePath("Nira.ini");
    } else {
        m_iniPath = iniPath;
    }
    DictionaryDlgOptions options;
    options.dataFolder = dataFolder;
    options.iniPath = m_iniPath;
    options.reportFileError = [this](const QString& caption, const QString& text) {
        m_messages.push_back({caption, text});
    };
    m_dlg = std::make_unique<CDictionaryDlg>(options, edition);
}

WindowHarness::WindowHarness(const FixtureDictionary& fixture, const std::string& iniPath)
    : WindowHarness(fixture.Folder(), fixture.Edition(), iniPath) {}

WindowHarness::~WindowHarness() = default;

bool WindowHarness::Start() {
    return m_dlg->OnInitDialog();
}

bool WindowHarness::StartShown() {
    const bool complete = Start();
    Show();
    return complete;
}

void WindowHarness::Show() {
    m_dlg->show();
    (void)QTest::qWaitForWindowExposed(m_dlg.get());
}

void WindowHarness::Type(const QString& text) {
    QLineEdit* field = m_dlg->WordField();
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
            continue;
        }
        // Letters with no key code of their own, as an input method sends them.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

void WindowHarness::SetQuery(const QString& text) {
    m_dlg->WordField()->setText(text);
}

QString WindowHarness::Headword() const {
    return m_dlg->HeadwordLine()->text();
}

QString WindowHarness::PersianText() const {
    return m_dlg->PersianPane()->GetWindowText();
}

QString WindowHarness::EnglishText() const {
    return m_dlg->EnglishPane()->GetWindowText();
}

bool WindowHarness::PersianShown() const {
    return !m_dlg->PersianPane()->isHidden();
}

bool WindowHarness::EnglishShown() const {
    return !m_dlg->EnglishPane()->isHidden();
}

QRect WindowHarness::PersianRect() const {
    return m_dlg->PersianPane()->geometry();
}

QRect WindowHarness::EnglishRect() const {
    return m_dlg->EnglishPane()->geometry();
}

std::string RealDataFolder() {
    if (const char* folder = std::getenv("NIRA_DATA_DIR")) return folder;
#ifdef NIRA_TEST_DATA_DIR
    return NIRA_TEST_DATA_DIR;
#else
    return std::string();
#endif
}

QString ShotsFolder() {
    if (qEnvironmentVariableIsSet("NIRA_WINDOW_SHOTS")) {
        return qEnvironmentVariable("NIRA_WINDOW_SHOTS");
    }
#ifdef NIRA_TEST_SHOTS_DIR
    return QString::fromUtf8(NIRA_TEST_SHOTS_DIR);
#else
    return QString();
#endif
}

void WriteIni(const std::string& path, const std::string& left, const std::string& right,
              const std::string& top, const std::string& bottom) {
    std::ofstream out(path, std::ios::trunc);
    out << "[Position]\nleft=" << left << "\nright=" << right << "\ntop=" << top
        << "\nbottom=" << bottom << "\n";
}

std::string TraceLines(const std::string& captured) {
    std::istringstream in(captured);
    std::string kept;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("nira: lookup ", 0) == 0) kept += line + "\n";
    }
    return kept;
}

QRect TemplatePixels(const DialogRect& rect) {
    return MapDialogRect(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace nira::test
