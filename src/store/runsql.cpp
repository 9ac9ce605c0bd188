#include "store/runsql.h"

#include "store/receiptconnection.h"
#include "store/storequery.h"

namespace store {

StatementResult runSql(StoreQuery& query, ReceiptConnection& connection, const QString& statement,
                       bool execute) noexcept {
    try {
        if (!query.connection())
            query.attach(&connection);
        query.close();
        query.setText(statement);
        return execute ? query.execute() : query.open();
    } catch (...) {
        // Every failure of the data-access layer or the runtime ends here; the caller reports
        // it in its own words.
        return StatementFailed;
    }
}

} // namespace store
