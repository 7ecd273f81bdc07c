#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class EstimateDocument;
class Host;

// The estimate header on the item setup screen: client, job title, number and the era date, with
// its reference lists and the date label of the main window.
namespace header {

// "TODAY" (Button124), also run at start-up: the era label shows gengou, the year field takes the
// era year of `date` and month and day take the date's month and day (no leading zeros).
void today(EstimateDocument &doc, const QDate &date);

// The year in the era that began in 2019, "元" for its first year.
QString eraYear(int calendarYear);

// Label72: era + year + "年" + month + "月" + day + "日"; with `withNumber`, " /  No." and the
// estimate number follow when year, number, month and day are all filled in.
void refreshDateLabel(EstimateDocument &doc, bool withNumber = true);

// A click on the era label (Label56) shows the era change panel; "変更して登録" (Button140)
// registers the era name typed in Edit59.
void showEraPanel(EstimateDocument &doc);
void registerEra(EstimateDocument &doc);

// A double-click on "提 出 先": client = registered client ①, job title line 1 = "電源工事".
void quickFill(EstimateDocument &doc);

// "コピー" (Button117): job title lines 1 and 2, joined, to the clipboard.
void copyTitle(EstimateDocument &doc, Host &host);

// The reference list ListBox2 and its two "参照" buttons.
enum ReferenceList { Clients = 0, JobTitles = 1 };

// The job titles offered by the job title list.
const QStringList &jobTitles();
// Where the list is placed for each role (tag).
struct ListPlacement {
    int top;
    int height;
};
ListPlacement referenceListPlacement(int tag);

// "参照" of the client (Button96) or of the job title (Button103): shows the list or, when the
// button reads "閉じる", hides it. The other list is closed first.
void toggleReferenceList(EstimateDocument &doc, ReferenceList list);
// A click on entry `index`: the client takes it, or it is appended to job title line 1.
void pickReference(EstimateDocument &doc, int index);
// The focus left the list: it is hidden, its button keeps "閉じる".
void leaveReferenceList(EstimateDocument &doc);
// The item operations and the tree hide the list and give both buttons "参照" again.
void hideReferenceList(EstimateDocument &doc);

// "Print Size" (Button153) uncovers the client print size choice; choosing a size covers it again.
void showPrintSize(EstimateDocument &doc);
void choosePrintSize(EstimateDocument &doc, const QString &size);
void hidePrintSize(EstimateDocument &doc);

// True when a header field holds more than white space.
bool entered(const QString &text);

} // namespace header
