// Measures the receipt searches on stores of 10,000, 100,000 and 1,000,000 receipts of each
// kind: time to the first rows with the exact count, time to the full result, and memory, for
// the empty filter and for a name filter; beside them the time SQLite itself needs to step the
// same statement to its end and to count its rows. Prints a table.
//
//   build/bench/bench_search [largest-size]
#include "records/resultmodel.h"
#include "records/searchpage.h"
#include "records/searchstatement.h"
#include "store/receiptconnection.h"
#include "store/runsql.h"
#include "store/storequery.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Resident and peak memory of this process in MB, from /proc.
double memoryMb(const char* key) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

QString randomName(QRandomGenerator& rng) {
    static const QStringList surnames =
        QStringLiteral("王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 "
                       "许 韩 冯 邓 曹")
            .split(' ');
    static const QStringList given =
        QStringLiteral(
            "伟 芳 娜 秀英 敏 静 丽 强 磊 军 洋 勇 艳 杰 娟 涛 明 超 秀兰 霞 平 刚 桂英 建华 国强")
            .split(' ');
    QString name =
        surnames[int(rng.bounded(surnames.size()))] + given[int(rng.bounded(given.size()))];
    if (rng.bounded(3) == 0)
        name += given[int(rng.bounded(given.size()))];
    return name;
}

QString randomAmount(QRandomGenerator& rng, int maxYuan) {
    if (rng.bounded(3) == 0)
        return QStringLiteral("0.00");
    return QStringLiteral("%1.%2")
        .arg(rng.bounded(maxYuan))
        .arg(rng.bounded(100), 2, 10, QLatin1Char('0'));
}

QString randomDate(QRandomGenerator& rng) {
    return QDate(2016, 1, 1).addDays(rng.bounded(3650)).toString("yyyy-MM-dd");
}

void fillStore(const QString& path, int outpatients, int inpatients) {
    {
        store::ReceiptConnection con(store::StoreLocation::sqliteFile(path));
        con.open();
        QSqlDatabase db = con.database();
        QRandomGenerator rng(42);
        db.transaction();
        QSqlQuery mz(db);
        mz.prepare("insert into tmz(num,name,operdate,zyf,xyf,tszxf,hyzjf,czzsf,ssf,qtf,hj) "
                   "values(?,?,?,?,?,?,?,?,?,?,?)");
        for (int i = 1; i <= outpatients; ++i) {
            mz.addBindValue(QString::number(i).rightJustified(10, '0'));
            mz.addBindValue(randomName(rng));
            mz.addBindValue(randomDate(rng));
            double total = 0;
            for (int f = 0; f < 7; ++f) {
                const QString amount = randomAmount(rng, 500);
                total += amount.toDouble();
                mz.addBindValue(amount.toDouble());
            }
            mz.addBindValue(QString::number(total, 'f', 2).toDouble());
            mz.exec();
        }
        QSqlQuery zy(db);
        zy.prepare("insert into tzy(num,zyh,name,dw,zyrq,cyrq,zyts,cwf,xyf,zcy,zcaoy,jcf,zlf,fsf,"
                   "ssf,hyf,sxf,syf,zhenlf,hlf,qtzl,hj,ysk,yjk,ytk,zffs,jsrq,jsy) values(" +
                   QString("?,").repeated(27) + "?)");
        for (int i = 1; i <= inpatients; ++i) {
            zy.addBindValue(QString::number(i).rightJustified(10, '0'));
            zy.addBindValue(QStringLiteral("Z%1").arg(100000 + i));
            zy.addBindValue(randomName(rng));
            zy.addBindValue(QStringLiteral("第%1机械厂").arg(rng.bounded(50)));
            const QString in = randomDate(rng);
            zy.addBindValue(in);
            zy.addBindValue(QDate::fromString(in, "yyyy-MM-dd")
                                .addDays(rng.bounded(30))
                                .toString("yyyy-MM-dd"));
            zy.addBindValue(int(rng.bounded(30)));
            double total = 0;
            for (int f = 0; f < 14; ++f) {
                const QString amount = randomAmount(rng, 2000);
                total += amount.toDouble();
                zy.addBindValue(amount.toDouble());
            }
            zy.addBindValue(QString::number(total, 'f', 2).toDouble());
            zy.addBindValue(5000.0);
            zy.addBindValue(QString::number(total, 'f', 2).toDouble());
            zy.addBindValue(5000.0 > total ? 5000.0 - total : 0.0);
            zy.addBindValue(QStringLiteral("现金"));
            zy.addBindValue(randomDate(rng));
            zy.addBindValue(randomName(rng));
            zy.exec();
        }
        db.commit();
    }
}

struct Figures {
    double firstMs, fullMs, stepMs, countMs, rowStoreMb, rssMb;
    qint64 rows;
};

Figures measure(store::ReceiptConnection& con, const QString& statement,
                const QList<records::GridColumn>& columns) {
    Figures figures{};
    {
        // SQLite alone: step the statement to its end, and count its rows.
        QElapsedTimer clock;
        clock.start();
        QSqlQuery raw(con.database());
        raw.setForwardOnly(true);
        raw.exec(statement);
        while (raw.next()) {
        }
        figures.stepMs = clock.nsecsElapsed() / 1e6;
        clock.restart();
        QSqlQuery count(con.database());
        count.exec("select count(*) from (" + statement + ")");
        count.next();
        figures.countMs = clock.nsecsElapsed() / 1e6;
    }

    const double rssBefore = memoryMb("VmRSS:");
    store::StoreQuery query("adomz", &con);
    query.setFetchMode(store::StoreQuery::Fetch::InSteps);
    records::ResultModel model(&query, columns);
    QElapsedTimer clock;
    clock.start();
    figures.rows = store::runSql(query, con, statement, false);
    // The first screen of the grid: 20 rows of every column.
    for (int r = 0; r < std::min(20, model.rowCount()); ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            model.index(r, c).data();
    figures.firstMs = clock.nsecsElapsed() / 1e6;
    query.finishFetch();
    figures.fullMs = clock.nsecsElapsed() / 1e6;
    figures.rowStoreMb = query.bytesUsed() / (1024.0 * 1024.0);
    figures.rssMb = memoryMb("VmRSS:") - rssBefore;
    return figures;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int largest = argc > 1 ? QString(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;

    std::printf("%-9s %-10s %-6s %9s %10s %10s %11s %11s %10s %9s\n", "receipts", "kind", "filter",
                "rows", "first ms", "full ms", "sqlite step", "sqlite count", "rows MB", "RSS MB");
    for (int size : {10000, 100000, 1000000}) {
        if (size > largest)
            break;
        const QString path = dir.filePath(QStringLiteral("store-%1.db").arg(size));
        QElapsedTimer build;
        build.start();
        fillStore(path, size, size);
        std::fprintf(stderr, "built %d + %d receipts in %.1f s\n", size, size,
                     build.elapsed() / 1000.0);
        store::ReceiptConnection con(store::StoreLocation::sqliteFile(path));
        con.open();
        const auto outpatient = records::SearchPageLayout::outpatient();
        const auto inpatient = records::SearchPageLayout::inpatient();
        struct Case {
            const char* kind;
            const char* filter;
            QString statement;
            QList<records::GridColumn> columns;
        } cases[] = {
            {"outpatient", "none", records::buildSearchStatement(records::outpatientSearchBase, {}),
             outpatient.columns},
            {"outpatient", "name",
             records::buildSearchStatement(records::outpatientSearchBase,
                                           {{" and name like ", QStringLiteral("张")}}),
             outpatient.columns},
            {"inpatient", "none", records::buildSearchStatement(records::inpatientSearchBase, {}),
             inpatient.columns},
            {"inpatient", "name",
             records::buildSearchStatement(records::inpatientSearchBase,
                                           {{" and name like ", QStringLiteral("张")}}),
             inpatient.columns},
        };
        for (const Case& c : cases) {
            const Figures f = measure(con, c.statement, c.columns);
            std::printf("%-9d %-10s %-6s %9lld %10.1f %10.1f %11.1f %11.1f %10.1f %9.1f\n", size,
                        c.kind, c.filter, f.rows, f.firstMs, f.fullMs, f.stepMs, f.countMs,
                        f.rowStoreMb, f.rssMb);
            std::fflush(stdout);
        }
    }
    std::printf("peak RSS of the run: %.1f MB\n", memoryMb("VmHWM:"));
    return 0;
}
