#pragma once

#include <QImage>
#include <QStringList>

#include <optional>

struct Settings;
class PageCanvas;

// The seal (印鑑): one to three characters of the seal name stacked in a red ellipse. Its settings
// are the seal name Edit61, the character size ComboBox47 (S, points), the circle's height
// Label173 (V) and width Label174 (W) and the character spacing Label167 (D), in preview pixels.
//
// The drawing works on byte pairs of the name in code page 932: the first, second and third
// "character" are bytes 1-2, 3-4 and 5-6, the first three characters of a full-width name. Only a
// name of 2, 4 or 6 bytes draws characters; any other draws the ellipse alone.
namespace seal {

inline constexpr int previewWidth = 80;
inline constexpr int previewHeight = 77;

// The byte pairs of the name, decoded; empty unless the name has 2, 4 or 6 bytes.
QStringList characters(const QString &name);

// "文字サイズリスト更新" (Button168Click): the sizes the list offers for the name, or nullopt when the
// list stays as it is. A blank size becomes "12"; a three-character name lowers a size above "18"
// to "18".
std::optional<QStringList> sizeList(Settings &s);

// "印鑑名の判断" (Button167Click): height, width and spacing preset from the size and the number of
// characters.
void presets(Settings &s);

// The "+" and "-" buttons beside height (Button149, Button150), width (Button159, Button160) and
// spacing (Button156, Button157). Returns false for another name.
bool step(Settings &s, const QString &button);

// The preview image Image1: "文字描画" (cleared, the characters in red bold) followed by "円描画"
// (the ellipse), as "画像更新" (Button163Click) draws it.
QImage preview(const Settings &s);

// The seal on the cover page, in the right-hand field of the person-in-charge box. Throws
// ConversionError when the size, height, width or spacing is not a whole number.
void drawOnCover(const Settings &s, PageCanvas &canvas);

} // namespace seal
