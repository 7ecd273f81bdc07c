#pragma once

class EstimateDocument;
class Host;

// Moving lines in their input order: up and down in the whole view in input order and in the
// item view, and the move of a marked line of the item view to another row.
namespace inputmoves {

// "入力順を上へ移動" (Button151): the line at uy1 (whole view) or at the item view's row uy5 changes
// places with the line before it in input order. Beeps at the first line of the whole view and
// when the last press on the item view was on its title row. A view row whose input number is not
// a number shows the conversion message.
void moveUp(EstimateDocument &doc, Host &host);
// "入力順を下へ移動" (Button152): the same with the line after it.
void moveDown(EstimateDocument &doc, Host &host);

// "次に選択した行に移動(挿入)" (N37Click): marks the item view's row uy5.
void mark(EstimateDocument &doc);
// "次に選択した行に挿入" (Button121): the next release on the item view, on row `target`, moves
// the marked line directly above the line shown there. Errors end the moves silently.
void insertMarked(EstimateDocument &doc, Host &host, int target);

} // namespace inputmoves
