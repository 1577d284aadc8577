// Resource identifiers, colours and fixed sizes of the program's windows.
#pragma once

#include <cstdint>

namespace nira {

// Dialogs.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_MAIN = 102;

// Strings and commands.
constexpr int IDS_ABOUTBOX = 101;
constexpr const char* kAboutItemText = "&About Nira...";
constexpr unsigned IDM_ABOUTBOX = 0x0010;
constexpr unsigned kSysCommandMask = 0xFFF0;

// Icons.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDI_PREV = 132;
constexpr int IDI_NEXT = 133;

// Controls.
constexpr int IDC_STATIC = -1;
constexpr int IDC_WORD = 1000;
constexpr int IDC_MEANING_FA = 1001;
constexpr int IDC_HEADWORD = 1002;
constexpr int IDC_MEANING_EN = 1003;
constexpr int IDC_PREV = 1004;
constexpr int IDC_NEXT = 1005;
constexpr int IDC_ABOUT_TEXT = 1006;

// Colours as 0x00BBGGRR.
using COLORREF = uint32_t;
constexpr COLORREF kPaneBackground = 0x00F7F7F7;
constexpr COLORREF kPaneText = 0x00800000;
constexpr COLORREF kPaneFrame = 0x00404040;

// Texts of the windows.
constexpr const char* kMainCaption = "Nira فرهنگ لغت انگليسى";
constexpr const char* kWordLabel = "Word : ";
constexpr const char* kHeadwordTemplateText = "Static";
constexpr const char* kAboutCaption = "About Nira";
constexpr const char* kAboutTitle = "Nira v1.2  فرهنگ لغت انگليسى";
constexpr const char* kAboutOk = "خوب";
constexpr const char* kMessageBoxCaption = "Nira";
// Under native Wayland the clipboard is read only while the window has the
// focus.
constexpr const char* kWaylandClipboardNote =
    "On this Wayland desktop Nira sees a copied word only while it has the focus. "
    "To look up a selection from anywhere, bind the command nira WORD (for example "
    "nira \"$(wl-paste -p)\") to a desktop shortcut.";
constexpr const char* kWaylandPlaceholder = "Type a word (copied words: see the tooltip)";
// A data file whose digest differs; %1 is its path.
constexpr const char* kDamagedDataFileText =
    "The data file %1 is damaged, or is not the edition this program was built for.\n\n"
    "To get it back, reinstall Nira, or rebuild the data files from the sources with "
    "scripts/run.sh (see README.md). Until then Nira looks nothing up.";

// Version fields shown by --version and the About box.
constexpr const char* kFileVersion = "1, 0, 0, 1";
constexpr const char* kFileDescription = "Nira MFC Application";
constexpr const char* kInternalName = "Nira";
constexpr const char* kOriginalFilename = "Nira.EXE";
constexpr const char* kProductName = "Nira Application";

// Pane layout: the pane area starts 47 pixels below the client's top.
constexpr int kPaneAreaTop = 47;
// The pane font's em and line pitch: the carried Persian font asks for 1.56
// em a line (25 px at a 16 px em), which left a half pane at the default
// size four lines; at 14 px lines 17 px apart it shows seven, and Persian
// stays as large as Latin text of the same em.
constexpr int kPaneFontPixels = 14;
constexpr int kPaneLinePixels = 17;
constexpr int kPaneTextMargin = 2;
// A Persian headword in the pane font, at a size that reads like the
// dialog font's Latin headword.
constexpr int kHeadwordPersianPixels = 14;
constexpr const char* kPaneFontFace = "Tahoma";

// Dialog units of 8-point "MS Sans Serif" at 96 dpi: 6 x 13 pixel base
// units, so 1.5 px per horizontal and 1.625 px per vertical unit.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

// Template rectangles in dialog units: x, y, width, height.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

// IDD_MAIN and its controls, in template (and tab) order.
constexpr DialogRect kMainDialogRect = {0, 0, 238, 158};
constexpr DialogRect kWordLabelRect = {1, 6, 25, 8};
constexpr DialogRect kWordRect = {29, 5, 192, 12};
constexpr DialogRect kHeadwordRect = {30, 17, 189, 11};
constexpr DialogRect kMeaningFaRect = {0, 30, 237, 58};
constexpr DialogRect kPrevRect = {223, 1, 13, 10};
constexpr DialogRect kNextRect = {223, 11, 13, 10};
constexpr DialogRect kMeaningEnRect = {0, 90, 237, 68};
constexpr const char* kPrevButtonText = "/\\";
constexpr const char* kNextButtonText = "\\/";

// The dialog font's size: 8 points at 96 dpi, whatever the family.
constexpr int kDialogFontPixels = 11;

// Icons, from the program's Qt resources.
constexpr const char* kMainIconSvg = ":/icons/nira.svg";
constexpr const char* kMainIcon32 = ":/icons/nira-32.png";
constexpr const char* kMainIcon16 = ":/icons/nira-16.png";
constexpr const char* kPrevIcon = ":/icons/prev.png";
constexpr const char* kNextIcon = ":/icons/next.png";

// Window coordinates are bounded to the signed 16-bit range of the system
// they come from, so that nonsense in Nira.ini stays harmless.
constexpr int kMinWindowCoordinate = -32768;
constexpr int kMaxWindowCoordinate = 32767;

// A restored window may exceed the desktop by this much in each direction
// (a maximised window's frame hangs over the screen's edges), no more; and
// it keeps at least the smallest size the system gives a captioned window,
// so that a nonsense rectangle (right left of left) does not lose it.
constexpr int kMaxTrackSlack = 64;
constexpr int kMinTrackWidth = 136;
constexpr int kMinTrackHeight = 39;

// A restored window keeps its place only if the top of it, this high and
// at least this wide, lies on a screen (where its title bar can be taken
// with the mouse); a maximised window's frame hangs this far over the
// screen's edges.
constexpr int kGrabStripHeight = 40;
constexpr int kGrabStripWidth = 100;
constexpr int kFrameOverhang = 8;

// The rectangle a minimised window reports: far in the negative, so that
// closing while minimised saves nothing.
constexpr int kMinimizedLeft = -32000;
constexpr int kMinimizedTop = -32000;
constexpr int kMinimizedWidth = 160;
constexpr int kMinimizedHeight = 28;

// Clipboard watcher.
constexpr int kClipboardTimerId = 1;
constexpr int kClipboardPollMs = 300;
constexpr int kClipTextMax = 50;
constexpr int kClipBufferSize = 52;

// Window rectangle kept between runs.
constexpr const char* kIniFileName = "Nira.ini";
constexpr const char* kIniSection = "Position";
constexpr const char* kIniKeyLeft = "left";
constexpr const char* kIniKeyRight = "right";
constexpr const char* kIniKeyTop = "top";
constexpr const char* kIniKeyBottom = "bottom";
constexpr int kDefaultLeft = 200;
constexpr int kDefaultRight = 563;
constexpr int kDefaultTop = 150;
constexpr int kDefaultBottom = 450;

// How long a later start waits for the running window to take its words.
constexpr int kHandOffTimeoutMs = 3000;

// How long after the window first shows a restored rectangle may still be
// fitted to the frame the window manager reports.
constexpr int kFrameFitDeadlineMs = 2000;

}  // namespace nira
