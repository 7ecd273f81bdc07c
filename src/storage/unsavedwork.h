#pragma once

class EstimateDocument;
class Host;

// Before the running estimate is discarded (the main window closing, another estimate opened)
// with unsaved changes: the question, the "保存" it runs on Yes, and the rule that nothing is
// discarded unless that save wrote the file. A save refused for want of lines, cancelled in its
// dialog or failed keeps the estimate, and the user is told why.
namespace unsavedwork {

// "終了前に保存しますか？" (Yes, No, Cancel) when the estimate has unsaved changes. True when
// the window may close.
bool mayClose(EstimateDocument &doc, Host &host);

// The same before "開く" replaces the estimate. True when the open may go on.
bool mayOpen(EstimateDocument &doc, Host &host);

} // namespace unsavedwork
