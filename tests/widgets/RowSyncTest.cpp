// RowSync against a shadow list that only sees the row signals: replaying the
// signals on the old list must give the new one, and a change in one place must
// be announced as just that change.
#include <RowSync.h>

#include <QAbstractListModel>
#include <QtTest>

using namespace zsg;

namespace {

struct Row {
    int id;
    int value = 0;
    bool operator==(const Row&) const = default;
};

class ListModel : public QAbstractListModel
{
public:
    std::vector<Row> rows;
    int rowCount(const QModelIndex& = {}) const override { return int(rows.size()); }
    QVariant data(const QModelIndex& index, int) const override { return rows[index.row()].id; }

private:
    template <typename> friend class zsg::RowSync;
};

// The ids as the signals describe them, and the signals as text.
struct Shadow {
    std::vector<int> ids;
    QStringList log;
    explicit Shadow(ListModel& model)
    {
        for (const Row& row : model.rows)
            ids.push_back(row.id);
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [this, &model](const QModelIndex&, int a, int b) {
            for (int i = a; i <= b; ++i)
                ids.insert(ids.begin() + i, model.rows[i].id);
            log << QStringLiteral("insert %1-%2").arg(a).arg(b);
        });
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [this](const QModelIndex&, int a, int b) {
            ids.erase(ids.begin() + a, ids.begin() + b + 1);
            log << QStringLiteral("remove %1-%2").arg(a).arg(b);
        });
        QObject::connect(&model, &QAbstractItemModel::rowsMoved,
                         [this](const QModelIndex&, int a, int b, const QModelIndex&, int to) {
                             QCOMPARE(a, b);
                             const int id = ids[a];
                             ids.erase(ids.begin() + a);
                             ids.insert(ids.begin() + (to > a ? to - 1 : to), id);
                             log << QStringLiteral("move %1 before %2").arg(a).arg(to);
                         });
        QObject::connect(&model, &QAbstractItemModel::dataChanged, [this](const QModelIndex& a, const QModelIndex& b) {
            log << QStringLiteral("changed %1-%2").arg(a.row()).arg(b.row());
        });
    }
};

std::vector<int> ids(const std::vector<Row>& rows)
{
    std::vector<int> result;
    for (const Row& row : rows)
        result.push_back(row.id);
    return result;
}

} // namespace

using IdList = std::vector<int>;
Q_DECLARE_METATYPE(IdList)

class RowSyncTest : public QObject
{
    Q_OBJECT

private slots:
    void oneChangeIsAnnouncedAsItIs_data();
    void oneChangeIsAnnouncedAsItIs();
    void updateAnnouncesTheSpanOfChangedRows();
};

void RowSyncTest::oneChangeIsAnnouncedAsItIs_data()
{
    QTest::addColumn<IdList>("before");
    QTest::addColumn<IdList>("after");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<bool>("changed");

    QTest::newRow("unchanged") << IdList{1, 2} << IdList{1, 2} << QStringList{} << false;
    QTest::newRow("append") << IdList{1, 2} << IdList{1, 2, 3, 4} << QStringList{"insert 2-3"} << true;
    QTest::newRow("into empty") << IdList{} << IdList{1} << QStringList{"insert 0-0"} << true;
    QTest::newRow("prepend") << IdList{1, 2} << IdList{0, 1, 2} << QStringList{"insert 0-0"} << true;
    QTest::newRow("insert inside") << IdList{1, 3} << IdList{1, 2, 3} << QStringList{"insert 1-1"} << true;
    QTest::newRow("remove last") << IdList{1, 2, 3} << IdList{1, 2} << QStringList{"remove 2-2"} << true;
    QTest::newRow("remove inside") << IdList{1, 2, 3, 4} << IdList{1, 4} << QStringList{"remove 1-2"} << true;
    QTest::newRow("clear") << IdList{1, 2} << IdList{} << QStringList{"remove 0-1"} << true;
    QTest::newRow("move down") << IdList{1, 2, 3, 4} << IdList{2, 3, 1, 4} << QStringList{"move 0 before 3"} << true;
    QTest::newRow("move up") << IdList{1, 2, 3, 4} << IdList{1, 4, 2, 3} << QStringList{"move 3 before 1"} << true;
    QTest::newRow("swap") << IdList{1, 2} << IdList{2, 1} << QStringList{"move 0 before 2"} << true;
    QTest::newRow("replace") << IdList{1, 2, 3} << IdList{1, 5, 3} << QStringList{"remove 1-1", "insert 1-1"} << true;
    QTest::newRow("two places") << IdList{1, 2, 3, 4} << IdList{0, 2, 3}
                                << QStringList{"remove 0-3", "insert 0-2"} << true;
    QTest::newRow("reversed") << IdList{1, 2, 3} << IdList{3, 2, 1} << QStringList{"remove 0-2", "insert 0-2"} << true;
}

void RowSyncTest::oneChangeIsAnnouncedAsItIs()
{
    QFETCH(IdList, before);
    QFETCH(IdList, after);
    QFETCH(QStringList, announced);
    QFETCH(bool, changed);
    ListModel model;
    for (int id : before)
        model.rows.push_back({id, id * 10});
    Shadow shadow(model);
    const bool result = RowSync<ListModel>(&model, {}).apply(model.rows, std::span<const int>(after),
                                                            [](int id) { return Row{id, -1}; });
    QCOMPARE(shadow.log, announced);
    QCOMPARE(result, changed);
    QCOMPARE(ids(model.rows), after);
    QCOMPARE(shadow.ids, after);
    // A row announced as inserted is made anew; every other row keeps its data.
    int inserted = 0;
    for (const QString& line : announced)
        if (line.startsWith("insert"))
            inserted += line.section(' ', 1).section('-', 1).toInt() - line.section(' ', 1).section('-', 0, 0).toInt() + 1;
    int made = 0;
    for (const Row& row : model.rows) {
        made += row.value < 0;
        QVERIFY(row.value < 0 || row.value == row.id * 10);
    }
    QCOMPARE(made, inserted);
}

void RowSyncTest::updateAnnouncesTheSpanOfChangedRows()
{
    ListModel model;
    model.rows = {{1, 0}, {2, 0}, {3, 0}, {4, 0}};
    Shadow shadow(model);
    RowSync<ListModel> sync(&model, {});
    sync.update(model.rows, [](const Row& row) { return Row{row.id, row.id == 2 || row.id == 3 ? 5 : 0}; });
    sync.update(model.rows, [](const Row& row) { return row; });
    sync.update(model.rows, [](const Row& row) { return Row{row.id, row.id == 1 || row.id == 4 ? 9 : row.value}; });
    QCOMPARE(shadow.log, QStringList({"changed 1-2", "changed 0-3"}));
    QCOMPARE(model.rows, std::vector<Row>({{1, 9}, {2, 5}, {3, 5}, {4, 9}}));
}

QTEST_MAIN(RowSyncTest)
#include "RowSyncTest.moc"
