#pragma once

// Maps the Windows face names the program asks for ("ＭＳ 明朝", "ＭＳ ゴシック" …) to the IPA fonts
// installed on the machine. Call once, before any font is used.
void installFontSubstitutions();
