#include <zsg/cmf/ZCMFSchema.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace zsg;

namespace {

CMFSchemaLoadResult load(const QByteArray& text)
{
    QTextStream stream(text);
    return ZCMFSchema::load(stream);
}

QByteArray saved(const ZCMFSchema& schema)
{
    QByteArray bytes;
    {
        QTextStream stream(&bytes);
        schema.save(stream);
    }
    return bytes;
}

// A file around the given attribute objects.
QByteArray file(const QByteArray& attributes, const char* rest = R"("version": 1, "schemaName": "S")")
{
    return R"({"attributes": [)" + attributes + "], " + rest + "}";
}

const char* const kA = R"({"name": "A", "kind": 0, "visible": true})";

QByteArray named(const QByteArray& name)
{
    return file(R"({"name": ")" + name + R"(", "kind": 0, "visible": true})");
}

const QString kInvalidJson = "File does not contain a valid json. Error: ";
const QString kVersion = "File format version is too old or unknown";
const QString kAttributes = "Schema attributes are incorrectly formatted";
const QString kNoName = "Schema has no saved name";
const QString kBadName = "The display name of an attribute is absent or is not a string.";
const QString kBadKind = "The kind of an attribute is absent or is not encoded as a number.";
const QString kBadVisible = "The visibility of an attribute is absent or is not a boolean.";
const QString kInvalidKind = QStringLiteral(
    "Material Information Schema \"S\" includes properties with invalid types, properties will be hidden.");

// Broken or hostile input must give a clean result: a schema, or a failure
// with one of the loader's messages and no schema.
void expectCleanResult(const QByteArray& bytes)
{
    const CMFSchemaLoadResult result = load(bytes);
    if (result.status == CMFLoadStatus::Ok) {
        EXPECT_TRUE(result.schema);
        EXPECT_TRUE(result.message.isEmpty());
        return;
    }
    EXPECT_EQ(result.status, CMFLoadStatus::Failed);
    EXPECT_FALSE(result.schema);
    const QStringList messages = {"File does not contain a json object at the root", kVersion, kAttributes, kNoName,
                                  kBadName, kBadKind, kBadVisible};
    EXPECT_TRUE(messages.contains(result.message) || result.message.startsWith(kInvalidJson)
                || result.message.startsWith("Two attributes have identical names: "))
        << result.message.toStdString();
}

struct LoadCase {
    const char* what;
    QByteArray text;
    QString message; // empty: the load succeeds
    std::vector<CMFAttribute> attributes = {};
    QStringList warnings = {};
    QString schemaName = "S";
};

} // namespace

TEST(CMFSchemaTest, LoadChecksInOrderAndSurvivesHostileInput)
{
    const CMFAttributeKind text = CMFAttributeKind::Text;
    const CMFAttribute a{"A", true, text, {}};
    const QByteArray deep(100000, '[');

    const LoadCase cases[] = {
        {"plain", file(kA), {}, {a}},
        {"prefix before the object", "// notes\n" + file(kA), {}, {a}},
        {"empty", "", kInvalidJson + "illegal value"},
        {"no brace", "version 1", kInvalidJson + "illegal value"},
        {"root array", "[" + file(kA) + "]",
         kInvalidJson + "garbage at the end of the document"},
        {"version 1.0", file(kA, R"("version": 1.0, "schemaName": "S")"), {}, {a}},
        {"version as text", file(kA, R"("version": "1", "schemaName": "S")"), kVersion},
        {"version 2", file(kA, R"("version": 2, "schemaName": "S")"), kVersion},
        {"version 1.5", file(kA, R"("version": 1.5, "schemaName": "S")"), kVersion},
        {"no version", file(kA, R"("schemaName": "S")"), kVersion},
        {"version checked first", R"({"attributes": [], "version": 0})", kVersion},
        {"attributes checked before the name", R"({"version": 1})", kAttributes},
        {"attributes not an array", R"({"version": 1, "schemaName": "S", "attributes": {}})", kAttributes},
        {"empty attributes", file(""), kAttributes},
        {"attribute a number", file("1"), kAttributes},
        {"attribute a string after a good one", file(R"({"name": "A", "kind": 0, "visible": true}, "B")"), kAttributes},
        {"no schema name", file(kA, R"("version": 1)"), kNoName},
        {"numeric schema name", file(kA, R"("version": 1, "schemaName": 3)"), kNoName},
        {"empty schema name", file(kA, R"("version": 1, "schemaName": "")"), {}, {a}, {}, ""},
        {"name checked first", file("{}"), kBadName},
        {"numeric attribute name", file(R"({"name": 1, "kind": 0, "visible": true})"), kBadName},
        {"'|' removed before the duplicate check",
         file(R"({"name": "A|B", "kind": 0, "visible": true}, {"name": "AB", "kind": 0, "visible": true})"),
         "Two attributes have identical names: AB."},
        {"case-sensitive names",
         file(R"({"name": "Vendor", "kind": 0, "visible": true}, {"name": "vendor", "kind": 1, "visible": false})"),
         {}, {{"Vendor", true, text, {}}, {"vendor", false, CMFAttributeKind::Image, {}}}},
        {"kind checked before visible", file(R"({"name": "A"})"), kBadKind},
        {"kind as text", file(R"({"name": "A", "kind": "0", "visible": true})"), kBadKind},
        {"kinds 7, -3 and fractions kept", // a kind that is no whole 32-bit number reads as 0
         file(R"({"name": "A", "kind": 7, "visible": true}, {"name": "B", "kind": -3, "visible": false},
                 {"name": "C", "kind": 8.5, "visible": true}, {"name": "D", "kind": 1e10, "visible": true})"),
         {}, {{"A", true, CMFAttributeKind(7), {}}, {"B", false, CMFAttributeKind(-3), {}},
              {"C", true, text, {}}, {"D", true, text, {}}}},
        {"unknown kinds dropped before visible is read",
         file(R"({"name": "X", "kind": 8}, {"name": "A", "kind": 0, "visible": true}, {"name": "X", "kind": 9})"),
         {}, {a}, {kInvalidKind, kInvalidKind}},
        {"a dropped name does not count",
         file(R"({"name": "A", "kind": 8}, {"name": "A", "kind": 0, "visible": true})"), {}, {a}, {kInvalidKind}},
        {"an accepted name counts for a later unknown kind",
         file(R"({"name": "A", "kind": 0, "visible": true}, {"name": "A", "kind": 8})"),
         "Two attributes have identical names: A."},
        {"no visible", file(R"({"name": "A", "kind": 0})"), kBadVisible},
        {"visible 1", file(R"({"name": "A", "kind": 0, "visible": 1})"), kBadVisible},
        {"warnings kept on failure", file(R"({"name": "X", "kind": 8}, {"name": "A", "kind": 0})"), kBadVisible, {},
         {kInvalidKind}},
        // Hostile input.
        {"deep arrays", deep, kInvalidJson + "illegal value"},
        {"deep objects", QByteArray("{\"a\":").repeated(100000), kInvalidJson + "too deeply nested document"},
        {"deep attributes", R"({"version": 1, "schemaName": "S", "attributes": )" + deep,
         kInvalidJson + "too deeply nested document"},
        {"bad UTF-8", named("\xFF\xFE\xC0\xAF"), {}, {{QString(4, QChar::ReplacementCharacter), true, text, {}}}},
        {"NUL in a name", named(QByteArray("\0", 1)), {}, {{QString(1, QChar::Null), true, text, {}}}},
        {"long name", named(QByteArray(1 << 20, 'x')), {}, {{QString(1 << 20, 'x'), true, text, {}}}},
        {"huge version", file(kA, R"("version": 1e400, "schemaName": "S")"), kInvalidJson + "illegal number"},
        {"long version", file(kA, R"("version": 100000000000000000000000000001, "schemaName": "S")"), kVersion},
        {"version past 32 bits", file(kA, R"("version": 4294967297, "schemaName": "S")"), kVersion},
        {"trailing text", file(kA) + " trailing", kInvalidJson + "garbage at the end of the document"},
        {"trailing brace", file(kA) + "}", kInvalidJson + "garbage at the end of the document"},
        {"cut short", file(kA, R"("version": 1, "schemaName": "S", "x": [])").chopped(1),
         kInvalidJson + "unterminated object"},
        {"two byte order marks", "\xEF\xBB\xBF\xEF\xBB\xBF" + file(kA), {}, {a}},  // the stream eats the first only
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CMFSchemaLoadResult result = load(c.text);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.warnings, c.warnings);
        if (c.message.isEmpty()) {
            EXPECT_EQ(result.status, CMFLoadStatus::Ok);
            ASSERT_TRUE(result.schema);
            EXPECT_EQ(result.schema->name, c.schemaName);
            EXPECT_EQ(result.schema->attributes, c.attributes);
        } else {
            EXPECT_EQ(result.status, CMFLoadStatus::Failed);
            EXPECT_FALSE(result.schema);
        }
    }
    // Lone surrogates, and a stream that takes the text for UTF-16: whatever
    // they decode to, the result is clean.
    for (const QByteArray& bytes : {named("\\ud800"), named("\\udc00\\ud800x"), "\xFF\xFE" + file(kA)})
        expectCleanResult(bytes);
}

TEST(CMFSchemaTest, SavedText)
{
    ZCMFSchema schema;
    schema.name = "Demo \"1\"";
    schema.attributes = {{"Name", true, CMFAttributeKind::Text, "not saved"},
                         {"Reference Image", false, CMFAttributeKind::Image, {}}};
    EXPECT_EQ(saved(schema), R"({
    "attributes": [
        {
            "kind": 0,
            "name": "Name",
            "visible": true
        },
        {
            "kind": 1,
            "name": "Reference Image",
            "visible": false
        }
    ],
    "schemaName": "Demo \"1\"",
    "version": 1
}
)");
}

TEST(CMFSchemaTest, RoundTrip)
{
    ZCMFSchema schema;
    schema.name = QString::fromUtf8("Schéma \\ \"x\" \t 💡");
    schema.attributes = {{"Référence", false, CMFAttributeKind(7), {}},
                         {"a\"b\\c\n", true, CMFAttributeKind(-1), {}},
                         {"", true, CMFAttributeKind::Image, {}}};
    const CMFSchemaLoadResult result = load(saved(schema));
    ASSERT_EQ(result.status, CMFLoadStatus::Ok) << result.message.toStdString();
    EXPECT_EQ(*result.schema, schema);
    EXPECT_TRUE(result.warnings.isEmpty());
}

TEST(CMFSchemaTest, HasAttributeWithName)
{
    ZCMFSchema schema;
    schema.attributes = {{"Name", true, CMFAttributeKind::Text, {}}, {"Notes", true, CMFAttributeKind::Text, {}}};
    EXPECT_FALSE(schema.hasAttributeWithName("Notes", 1));
    EXPECT_TRUE(schema.hasAttributeWithName("Notes", 0));
    EXPECT_TRUE(schema.hasAttributeWithName("Notes", -1));
    EXPECT_FALSE(schema.hasAttributeWithName("notes", -1));
    EXPECT_FALSE(schema.hasAttributeWithName("Note", -1));
}

TEST(CMFBadInputTest, JsonTestSuite)
{
    const QDir dir(QStringLiteral(ZSG_TESTDATA_DIR "/json"));
    if (!dir.exists())
        GTEST_SKIP() << "JSONTestSuite files not found in " << ZSG_TESTDATA_DIR "/json";
    const QStringList files = dir.entryList({"*.json"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile json(dir.filePath(name));
        ASSERT_TRUE(json.open(QIODevice::ReadOnly));
        const QByteArray bytes = json.readAll();
        expectCleanResult(bytes);
        // The same text as the value of every field of an otherwise valid schema.
        expectCleanResult(file(bytes));
        expectCleanResult(file(R"({"name": "A", "kind": )" + bytes + R"(, "visible": true})"));
    }
}
