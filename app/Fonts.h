// The font of the meaning panes. They ask for "Tahoma", which Linux lacks;
// the program carries a font made for Persian and lets "Tahoma" name it.
#pragma once

namespace nira {

// Where the program carries its Persian font (a Qt resource).
constexpr const char* kPersianFontResource = ":/fonts/Vazirmatn-Regular.ttf";

// Registers the carried font and makes "Tahoma" resolve to it; call once a
// QGuiApplication exists. Repeated calls do nothing more. Without the font
// (a build with NIRA_EMBED_FONT=OFF) nothing changes and Qt's fallback
// font shows the text.
void LoadApplicationFonts();

}  // namespace nira
