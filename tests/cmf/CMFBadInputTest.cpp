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

const QByteArray kGood =
    R"({"version": 1, "schemaName": "S", "attributes": [{"name": "A", "kind": 0, "visible": true}]})";

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
    const QByteArray inName =
        R"({"version": 1, "schemaName": "S", "attributes": [{"name": "%", "kind": 0, "visible": true}]})";
    auto named = [&inName](const QByteArray& name) { return QByteArray(inName).replace("%", name); };
    const QString invalid = "File does not contain a valid json. Error: ";
    const QString version = "File format version is too old or unknown";
    const struct {
        QByteArray bytes;
        QString message; // empty: loads, with the attribute named `name`
        QString name = {};
    } cases[] = {
        {deep, invalid + "illegal value"},
        {QByteArray("{\"a\":").repeated(100000), invalid + "too deeply nested document"},
        {R"({"version": 1, "schemaName": "S", "attributes": )" + deep, invalid + "too deeply nested document"},
        {named("\xFF\xFE\xC0\xAF"), {}, QString(4, QChar::ReplacementCharacter)},
        {named(QByteArray("\0", 1)), {}, QString(1, QChar::Null)},
        {named(QByteArray(1 << 20, 'x')), {}, QString(1 << 20, 'x')},
        {R"({"version": 1e400, "schemaName": "S", "attributes": [1]})", invalid + "illegal number"},
        {R"({"version": 100000000000000000000000000001, "schemaName": "S", "attributes": [1]})", version},
        {R"({"version": 4294967297, "schemaName": "S", "attributes": [1]})", version},
        {kGood + " trailing", invalid + "garbage at the end of the document"},
        {kGood + "}", invalid + "garbage at the end of the document"},
        {kGood.left(kGood.size() - 1), invalid + "unterminated object"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + kGood, {}, "A"}, // the stream eats the first mark only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.left(60).toStdString());
        QTextStream stream(c.bytes);
        const CMFSchemaLoadResult result = ZCMFSchema::load(stream);
        EXPECT_EQ(result.message, c.message);
        if (c.message.isEmpty()) {
            ASSERT_TRUE(result.schema);
            ASSERT_EQ(result.schema->attributes.size(), 1u);
            EXPECT_EQ(result.schema->attributes[0].name, c.name);
        } else {
            EXPECT_FALSE(result.schema);
        }
    }
    // Lone surrogates, and a stream that takes the text for UTF-16: whatever
    // they decode to, the result is clean.
    for (const QByteArray& bytes : {named("\\ud800"), named("\\udc00\\ud800x"), "\xFF\xFE" + kGood})
        expectCleanResult(bytes);
}
