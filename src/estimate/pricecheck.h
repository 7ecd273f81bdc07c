#pragma once

class EstimateDocument;
class Host;

// The same-name price check ("同名で単価が違うのをチェック", Button112Click): lines that describe the
// same material (C, O, D, name, specifications, construction category, kind and labour factor)
// must carry the same unit price.
namespace pricecheck {

// Shows one warning per conflicting pair of lines i < j (i ascending, then j), and sets the tag of
// Button112 to the i of the last pair; the tag is left as it was when there is no conflict. A pair
// counts when at least one of the lines has a unit other than "式" and neither has C code "301"
// or "302"; prices are compared as text. Changes no line and no view: the callers decide where
// to go (compilation returns to the whole view at the line). Returns the number of conflicts.
int run(EstimateDocument &doc, Host &host);

} // namespace pricecheck
