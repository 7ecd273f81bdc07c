#pragma once

// Column numbers of the program's tables.

// Estimate line table (StringGrid1), 46 columns.
namespace linecol {
enum : int {
    No = 0,            // "No." row number
    Item = 1,          // "工事項目" numbered item name
    C = 2,             // code class
    O = 3,
    D = 4,
    E = 5,
    Sub = 6,           // "-" sub-number
    Name = 7,          // "品名"
    Spec1 = 8,         // "規格１"
    Spec2 = 9,         // "規格２"
    Quantity = 10,     // "数量"
    Unit = 11,         // "単位"
    Price = 12,        // "単価"
    Category = 13,     // "施工区分"
    Kind = 14,         // "品種区分"
    Factor = 15,       // "歩掛"
    Allowance = 16,    // "補給率"
    Accessory = 17,    // "付属率"
    Mounting = 18,     // "取付材率"
    Painting = 19,     // "塗装費" per unit
    Ceiling = 20,      // "天井歩掛"
    Compression = 21,  // "圧縮率"
    Submission = 22,   // "提出率"
    Corrected = 23,    // "補正数量"
    Labour = 24,       // "労務費"
    AccessoryCost = 25,
    MountingCost = 26,
    PaintingCost = 27,
    CeilingCost = 28,
    Material = 29,     // "積算金額"
    Compressed = 30,   // "圧縮金額"
    SubmittedPrice = 31,
    Submitted = 32,    // "提出金額"
    Consumables = 33,  // "雑材消耗品費"
    ItemCode = 40,     // "項目固有番号"
    BaseCompression = 41,
    BaseSubmission = 42,
    CopperFactor = 43,
    ItemRow = 44,      // "項目No."
    InputNo = 45,      // "入力No."
    Count = 46
};
}

// Item table (StringGrid7), 21 columns.
namespace itemcol {
enum : int {
    Level = 0,
    Level1 = 1, // numbered name in the column of the item's level (1 to 4)
    Name = 5,   // numbered name "1-2.電灯設備工事"
    Lines = 6,  // number of lines, empty when none
    Bare = 7,   // bare name
    PaintingCompression = 8,
    PaintingSubmission = 9,
    CeilingCompression = 10,
    CeilingSubmission = 11,
    LabourCompression = 12,
    LabourSubmission = 13,
    ConsumablesCompression = 14,
    ConsumablesSubmission = 15,
    Unregistered = 16,
    PreviousName = 17,
    Code = 18,
    Quantity = 19,
    Unit = 20,
    Count = 21
};
}

// Estimate sheet (StringGrid6), 24 columns.
namespace sheetcol {
enum : int {
    Row = 0,
    No = 1,
    C = 2,
    O = 3,
    D = 4,
    E = 5,
    Sub = 6,
    Name = 7,
    Spec = 8,
    Merged = 9,
    Category = 10,
    Quantity = 11,
    Entered = 12,
    Unit = 13,
    Price = 14,
    CompressionRate = 15,
    CompressedPrice = 16,
    Compressed = 17,
    SubmissionRate = 18,
    SubmittedPrice = 19,
    Submitted = 20,
    Remark = 21,
    Work = 22,
    ItemName = 23,
    Count = 24
};
}
