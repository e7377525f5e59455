#pragma once

struct ReportTable;
struct ReportsTexts;

// Deletes the register rows of the cards or guests report that are marked
// "x", once the operator confirms (N9057 cards, N9058 guests). A delete that
// fails is shown (E0050) and the next marked row follows. True when the
// operator confirmed, so that the report is filled again.
bool DeleteMarkedRows(const ReportsTexts &texts, const ReportTable &table);
