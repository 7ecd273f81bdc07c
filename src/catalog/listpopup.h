#pragma once

class EstimateDocument;
class Host;

// The pop-up menu of the material list (PopupMenu2): moving the cursor, copying blocks of the list
// to the clipboard as tab-separated text, pasting such text, inserting and deleting rows. All but
// the cursor moves work in the edit mode only.
namespace listpopup {

// "先頭行へ移動" (N9) and "最終行へ移動" (N8).
void firstRow(EstimateDocument &doc);
void lastRow(EstimateDocument &doc);

// "クリップボードへコピー (Excelで編集可)" (N10): the block of cells from (left, top) to
// (right, bottom), cells joined by TAB, rows by CR LF.
void copyBlock(EstimateDocument &doc, Host &host, int left, int top, int right, int bottom);
// "クリップボードへ全コピー(表題付)" (N47): every row from the title row on, columns 0 to 17.
void copyAll(EstimateDocument &doc, Host &host);
// "貼り付け" (N11): the clipboard's lines, split at TAB, written from the cursor cell rightwards
// and from the cursor row down; rows are added at the end as needed.
void paste(EstimateDocument &doc, Host &host);
// "行の挿入" (N19): the contents (columns 4 to 18) of the rows from the row last released move down
// one row; the codes stay in place and the new last row copies the codes of the row above it.
void insertRow(EstimateDocument &doc, Host &host);
// "行の削除" (N20): the contents of the rows below the row last released move up over it; the list
// loses its last row with its codes.
void deleteRow(EstimateDocument &doc, Host &host);

} // namespace listpopup
