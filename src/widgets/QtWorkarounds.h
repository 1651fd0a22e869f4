#pragma once

class QPlainTextEdit;

namespace Zorvane {

// The places where the program leans on Qt's internals for speed or looks, gathered so that a Qt
// upgrade can be checked, and each retired, in one sitting. All were checked on Qt 6.4.2 (Debian
// 12). Gains are what bench/profile.sh counts (callgrind instructions, independent of the machine's
// load) for a first Proceed, 32.8 M with all of them, and for start-up, 119.3 M; memory is what
// bench/run.sh finds kept by readings 2 to 100. A workaround whose gain is gone goes.
//
// clang-format off
// What                                 Why                                     Without it
// keepShapedText()                     glyphs shaped once per layout, not      Proceed 38.5 M
//                                      again for the caret and the paint
// takeSizeNow(): a synthetic resize,   a hidden panel lays its text out once,  Proceed 38.3 M
//   WA_PendingResizeEvent cleared      at the width it is shown at
// preloadReadingFonts(), after the     the reading's fonts are loaded while    Proceed 37.9 M
//   entry form's first paint           the form waits, not at the click        (start-up after
//                                                                              the paint -11.2 M)
// SharedPaletteStyle: one palette per  the style's image cache finds the first 4524 KiB kept
//   set of colours                     reading's images instead of growing     instead of 316
// SharedPaletteStyle: the menu bar's   no pictures decoded while a window is   Proceed 33.0 M
//   overflow icon made when drawn      built                                   (whole style)
// PrintDialog (platform): Qt's page-   Qt offers "Pages from" even with page   looks only
//   range controls hidden by name      ranges switched off
// PrintDialog (platform): the output   Qt's own check opens the file, and a    the dialog hangs
//   path checked before Qt's OK check  pipe there blocks it                    on a pipe
// QtDialogStateInMemory (platform):    Qt's file and print dialogs read and    a pipe at Qt's
//   Qt's user settings path below      write the file all the user's Qt        shared settings
//   /dev/null while a dialog is open   programs share                          file blocks them
// FileDialog (platform): the open      Qt matches a filter's last pattern in   "readingzvr" not
//   filter's pattern appended, its     parentheses and, details hidden, shows  listed
//   details hidden                     only what stands before it
//
// The two print-dialog entries find Qt's private controls by the names Qt gives them, and do
// nothing where a Qt version renames them; tst_printing then fails.
// clang-format on

// Qt drops a paragraph's shaped glyphs after each layout, then shapes the text again to place the
// caret and again to paint it. Kept, they are shaped once per layout.
void keepShapedText(QPlainTextEdit *panel);

// Gives a hidden panel's page its size now. Until it is shown, a panel lays text out for a
// placeholder width, and at the show lays it all out again for its own; a panel that already has
// its size lays the reading out once, at the width it is shown at.
void takeSizeNow(QPlainTextEdit *panel);

// Loading a font (matching it, opening its face, measuring its letters) is a large part of a
// first Proceed or Print. These are the fonts of the frame, the display and the report; they and
// their common letters are loaded while the entry form waits for the user, not at the click.
void preloadReadingFonts();

} // namespace Zorvane
