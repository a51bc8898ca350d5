#pragma once

// Everything the drill shows, on screen and on paper, is in the IPA Gothic
// fonts: its typefaces are mapped onto them and no other font is merged in.
// Reading the system's whole font configuration (dozens of files, every font
// installed) costs about as much as building the whole window, so
// fontconfig is told about the IPA Gothic fonts alone, with the rendering
// settings a Debian system gives them (antialiased, slight hinting, the
// default LCD filter, synthetic bold). Qt's own dialogs show their text in
// IPA P Gothic.
//
// Returns false, leaving fontconfig to read the system's configuration as
// usual, where the fonts are not installed where Debian puts them or no
// font cache describes them. Before the application object is made.
[[nodiscard]] bool useProgramFontsOnly();
