#pragma once

struct PrintJob;
class PageCanvas;

// The conditions page (条件書): the applied conditions of the condition list under "見積条件項目"
// and the job title. With more than 35 applied, a second page lists those of rows 36 to 45 under
// "見積除外項目".
namespace conditionspage {

// Number of applied conditions (" ■" in the "適用" column of rows 1 to 45).
int appliedCount(const PrintJob &job);

// Draws the page or pages; nothing when no condition is applied. `breakBeforeFirst` starts a new
// page first.
void draw(const PrintJob &job, PageCanvas &canvas, bool breakBeforeFirst);

} // namespace conditionspage
