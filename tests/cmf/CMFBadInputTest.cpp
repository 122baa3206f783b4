// Broken and hostile input: every file must give a clean result, either a
// schema or a failure with one of the loader's messages and no schema.
#include <zsg/cmf/ZCMFSchema.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace zsg;

namespace {

void expectCleanResult(const QByteArray& bytes)
{
    static const QStringList messages = {
        "File does not contain a json object at the root",
        "File format version is too old or unknown",
        "Schema attributes are incorrectly formatted",
        "Schema has no saved name",
        "The display name of an attribute is absent or is not a string.",
        "The kind of an attribute is absent or is not encoded as a number.",
        "The visibility of an attribute is absent or is not a boolean.",
    };
    QTextStream stream(bytes);
    const CMFSchemaLoadResult result = ZCMFSchema::load(stream);
    if (result.status == CMFLoadStatus::Ok) {
        EXPECT_TRUE(result.schema);
        EXPECT_TRUE(result.message.isEmpty());
        return;
    }
    EXPECT_EQ(result.status, CMFLoadStatus::Failed);
    EXPECT_FALSE(result.schema);
    EXPECT_TRUE(messages.contains(result.message)
                || result.message.startsWith("File does not contain a valid json. Error: ")
                || result.message.startsWith("Two attributes have identical names: "))
        << result.message.toStdString();
}

const QByteArray kGood = R"({"version": 1, "schemaName": "S", "attributes": [{"name": "A", "kind": 0, "visible": true}]})";

} // namespace

TEST(CMFBadInputTest, JsonTestSuite)
{
    const QDir dir(QStringLiteral(ZSG_TESTDATA_DIR "/json"));
    if (!dir.exists())
        GTEST_SKIP() << "JSONTestSuite files not found in " << ZSG_TESTDATA_DIR "/json";
    const QStringList files = dir.entryList({"*.json"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        expectCleanResult(bytes);
        // The same text as the value of every field of an otherwise valid schema.
        expectCleanResult(R"({"version": 1, "schemaName": "S", "attributes": [)" + bytes + "]}");
        expectCleanResult(R"({"version": 1, "schemaName": "S", "attributes": [{"name": "A", "kind": )" + bytes
                          + R"(, "visible": true}]})");
    }
}

TEST(CMFBadInputTest, OwnCases)
{
    const QByteArray deep = QByteArray(100000, '[');
    const QByteArray deepObjects = QByteArray("{\"a\":").repeated(100000);
    const QByteArray inName = R"({"version": 1, "schemaName": "S", "attributes": [{"name": "%", "kind": 0, "visible": true}]})";
    const QByteArray cases[] = {
        deep,
        deepObjects,
        R"({"version": 1, "schemaName": "S", "attributes": )" + deep,
        QByteArray(inName).replace("%", "\xFF\xFE\xC0\xAF"),
        QByteArray(inName).replace("%", "\\ud800"),
        QByteArray(inName).replace("%", "\\udc00\\ud800x"),
        QByteArray(inName).replace("%", QByteArray("\0", 1)),
        R"({"version": 1e400, "schemaName": "S", "attributes": [1]})",
        R"({"version": 100000000000000000000000000001, "schemaName": "S", "attributes": [1]})",
        R"({"version": 4294967297, "schemaName": "S", "attributes": [1]})",
        kGood + " trailing",
        kGood + "}",
        "\xEF\xBB\xBF\xEF\xBB\xBF" + kGood,
        "\xFF\xFE" + kGood,
        "text before " + kGood,
        kGood.left(kGood.size() - 1),
        QByteArray(kGood).replace("\"A\"", "\"" + QByteArray(1 << 20, 'x') + "\""),
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.left(80).toStdString());
        expectCleanResult(bytes);
    }
}
