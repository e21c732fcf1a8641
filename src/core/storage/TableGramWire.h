#pragma once
// Wire constants shared by the TableGram reader and writer. Numbers are little-endian; element
// bodies are prefixed by a u16 size, so every metadata element stays below 64 KiB.

#include <QtGlobal>

namespace kivra::tablegram {

enum Token : quint8 {
    Header = 0x01,
    HandlerOptions = 0x02,
    ResultDescriptor = 0x03,
    TableDescriptor = 0x05,
    ColumnDescriptor = 0x06,
    UnchangedRow = 0x07,
    ChangeRow = 0x0A,
    DeleteRow = 0x0C,
    InsertRow = 0x0D,
    Done = 0x0F,
    RecordsetContext = 0x10,
    FirstChildRow = 0x80, // 0x80..0x8D belong to hierarchical recordsets
    LastChildRow = 0x8D,
};

// OLE DB type indicators.
enum DbType : quint16 {
    DbI2 = 0x0002,
    DbI4 = 0x0003,
    DbBool = 0x000B,
    DbBytes = 0x0080,
    DbStr = 0x0081,
    DbWStr = 0x0082,
};

// OLE DB column flags.
enum ColumnFlag : quint32 {
    FlagWrite = 0x0004,
    FlagFixedLength = 0x0010,
    FlagNullable = 0x0020,
    FlagMayBeNull = 0x0040,
    FlagLong = 0x0080,
    FlagChapter = 0x2000,
    FlagKeyColumn = 0x8000,
};

// Column descriptor presence map: first and second byte on the wire.
enum PresenceByte1 : quint8 {
    HasSchemaName = 0x01,
    HasCatalogName = 0x02,
    HasBaseColumnName = 0x10,
    HasBaseColumnOrdinal = 0x20,
    HasBaseTableOrdinal = 0x40,
    HasColumnName = 0x80,
};
enum PresenceByte2 : quint8 {
    HasAutoIncrement = 0x01,
    HasVariantDefault = 0x10,
    HasDateTimePrecision = 0x20,
    HasComputeMode = 0x40,
    HasCollatingSequence = 0x80,
};

inline constexpr char kSignature[] = "\x01\x07TG!";
inline constexpr int kSignatureSize = 5;
inline constexpr int kSignatureSearchLimit = 64;

inline constexpr quint8 kHandlerGuid[16] = {0xB6, 0x92, 0xF2, 0x3F, 0x04, 0xB2, 0xCF, 0x11,
                                            0x8D, 0x23, 0x00, 0xAA, 0x00, 0x5F, 0xFE, 0x58};
inline constexpr quint8 kResultGuid[16] = {0xD2, 0xAD, 0x63, 0xF6, 0x02, 0xEB, 0xCF, 0x11,
                                           0xB0, 0xE3, 0x00, 0xAA, 0x00, 0x3F, 0x00, 0x0F};

// Lengths before variable-length cells. [MS-ADTG] 2.2.3.14.4.9 (VarLenColumnData) says:
//   "The value of the non-chaptered, non-null columns on which to operate, prefixed by the size,
//    in bytes, of the data."
//   "If the value of the ColumnSize field in the adtgColumnDescriptorCommon element corresponding
//    to the column being described is less than 256, a ShortColumnDataLen (1-byte) value will be
//    present. Otherwise, a LongColumnDataLen (4-byte) value will be present."
// Its table of ColumnData (2.2.3.14.3.6) gives DBTYPE_WSTR "(ShortColumnDataLen BSTRVAL)" or
// "(LongColumnDataLen BSTRVAL)", DBTYPE_STR the same with ASCIISTRING, and 2.2.1.4 says of BSTRs
// "BSTRLENGTH is the length of the string in bytes, not in characters."
// So both lengths count bytes: for DBTYPE_WSTR two per UTF-16 code unit, for DBTYPE_STR one per
// byte of the code page. The one unclear point: a DBTYPE_WSTR column's maximum length counts
// characters (its fixed-length data is "2*adtgColumnMaxLength bytes"), so a column of 128 to 255
// characters gets a one-byte length that cannot count the bytes of its longest values. The writer
// keeps to bytes and never puts more than 127 code units behind a one-byte length (longer text
// goes into a memo column); the reader also accepts character counts, which earlier versions of
// this program wrote for both lengths.
inline constexpr quint32 kShortLengthLimit = 255;

} // namespace kivra::tablegram
