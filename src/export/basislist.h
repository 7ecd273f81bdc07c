#pragma once

class EstimateDocument;
class ExportProgress;
class Workbook;

// The basis list "積算根拠一覧表": every estimate line with its rates and its submitted labour,
// painting, ceiling-opening and consumables amounts as live formulas, on sheet 1 of `book`.
// A rate of the item table that is not a number throws ConversionError.
void buildBasisList(const EstimateDocument &doc, Workbook &book, ExportProgress &progress);
