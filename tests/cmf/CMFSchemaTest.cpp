#include <zsg/cmf/ZCMFSchema.h>

#include <gtest/gtest.h>

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
        {"no brace", "version 1", kInvalidJson},
        {"root array", "[" + file(kA) + "]", kInvalidJson},
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
        {"name checked before an unknown kind", file(R"({"kind": 8})"), kBadName},
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
        {"deep attributes", R"({"version": 1, "schemaName": "S", "attributes": )" + deep, kInvalidJson},
        {"long name", named(QByteArray(1 << 20, 'x')), {}, {{QString(1 << 20, 'x'), true, text, {}}}},
        {"long version", file(kA, R"("version": 100000000000000000000000000001, "schemaName": "S")"), kVersion},
        {"version past 32 bits", file(kA, R"("version": 4294967297, "schemaName": "S")"), kVersion},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CMFSchemaLoadResult result = load(c.text);
        // Only our prefix of a parser error: the parser's wording is Qt's.
        if (c.message == kInvalidJson)
            EXPECT_TRUE(result.message.startsWith(kInvalidJson)) << result.message.toStdString();
        else
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
    // The host's member of an attribute is not saved.
    ZCMFSchema withHostData = schema;
    withHostData.attributes[0].hostData = "not saved";
    EXPECT_EQ(saved(withHostData), saved(schema));
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
