#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// Receipt kinds, the itype of a tnum row.
enum ReceiptKind : int { Outpatient = 0, Inpatient = 1 };

// "select num+1 as num from tnum where itype= " and the kind.
QString nextNumberStatement(int kind);

// "update tnum set num=" number " where itype=" kind.
QString saveNumberStatement(qint32 number, int kind);

// The counter text right-aligned in ten characters, every blank then turned into "0":
// "42" gives 0000000042; a text of ten or more characters keeps all of them.
QString padReceiptNumber(const QString& text);

// The integer conversion that SaveNumber applies to a number field: leading blanks, an
// optional sign and decimal digits (leading zeros allowed) within the 32-bit signed range.
// Anything else throws IntegerConversionError.
qint32 toInt32(const QString& text);

class IntegerConversionError : public std::runtime_error {
public:
    explicit IntegerConversionError(const QString& text);
};

} // namespace store
