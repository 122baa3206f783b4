#include <zsg/cmf/ZCMFSchema.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <QTextStream>

#include <memory>
#include <utility>

namespace zsg {

namespace {

// Readers of this format know the kinds up to this one; the host gives 2 to 7 their meaning.
constexpr int kLastKnownKind = 7;

const QLatin1String kVersion("version");
const QLatin1String kAttributes("attributes");
const QLatin1String kSchemaName("schemaName");
const QLatin1String kName("name");
const QLatin1String kKind("kind");
const QLatin1String kVisible("visible");

} // namespace

CMFSchemaLoadResult ZCMFSchema::load(QTextStream& stream)
{
    CMFSchemaLoadResult result;
    auto fail = [&result](QString message) {
        result.status = CMFLoadStatus::Failed;
        result.message = std::move(message);
        return std::move(result);
    };

    QByteArray bytes = stream.readAll().toUtf8();
    // Whatever precedes the object (a byte-order mark, a note) is skipped.
    if (!bytes.isEmpty() && bytes.front() != '{') {
        const qsizetype brace = bytes.indexOf('{');
        if (brace < 0)
            bytes.clear();
        else
            bytes.remove(0, brace);
    }

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (document.isNull())
        return fail(QCoreApplication::translate("QObject", "File does not contain a valid json. Error: %1")
                        .arg(error.errorString()));
    if (!document.isObject())
        return fail(QCoreApplication::translate("QObject", "File does not contain a json object at the root"));
    const QJsonObject root = document.object();

    // toInt gives 0 for anything that is not a whole 32-bit number, so 1.0 passes and 1.5 does not.
    const QJsonValue version = root.value(kVersion);
    if (!version.isDouble() || version.toInt() != 1)
        return fail(QCoreApplication::translate("QObject", "File format version is too old or unknown"));
    const QJsonArray attributes = root.value(kAttributes).toArray();
    if (attributes.isEmpty())
        return fail(QCoreApplication::translate("QObject", "Schema attributes are incorrectly formatted"));
    const QJsonValue schemaName = root.value(kSchemaName);
    if (!schemaName.isString())
        return fail(QCoreApplication::translate("QObject", "Schema has no saved name"));

    // Built aside, so that a failure leaves no partial schema in the result.
    auto schema = std::make_unique<ZCMFSchema>();
    schema->name = schemaName.toString();
    schema->attributes.reserve(attributes.size());
    // The names accepted so far, hashed so that the duplicate check stays
    // linear in the file. They view the characters of the names that move
    // into `schema`; moving a QString leaves its characters where they are.
    QSet<QStringView> names;
    names.reserve(attributes.size());

    for (const auto& element : attributes) {
        if (!element.isObject())
            return fail(QCoreApplication::translate("QObject", "Schema attributes are incorrectly formatted"));
        // Iterators rather than value(): no QJsonValue copy per lookup.
        const QJsonObject object = element.toObject();
        const auto end = object.constEnd();

        const auto nameValue = object.constFind(kName);
        if (nameValue == end || !nameValue->isString())
            return fail(QCoreApplication::translate(
                "QObject", "The display name of an attribute is absent or is not a string."));
        QString name = nameValue->toString();
        name.remove(QLatin1Char('|'));
        // One probe: insert now, take the name back out if the attribute is dropped.
        const qsizetype known = names.size();
        names.insert(name);
        if (names.size() == known)
            return fail(QCoreApplication::translate("QObject", "Two attributes have identical names: %1.").arg(name));

        const auto kindValue = object.constFind(kKind);
        if (kindValue == end || !kindValue->isDouble())
            return fail(QCoreApplication::translate(
                "QObject", "The kind of an attribute is absent or is not encoded as a number."));
        const int kind = kindValue->toInt();
        if (kind > kLastKnownKind) {
            names.remove(name);
            result.warnings.append(QStringLiteral("Material Information Schema \"%1\" includes properties with "
                                                  "invalid types, properties will be hidden.")
                                       .arg(schema->name));
            continue;
        }

        const auto visible = object.constFind(kVisible);
        if (visible == end || !visible->isBool())
            return fail(QCoreApplication::translate(
                "QObject", "The visibility of an attribute is absent or is not a boolean."));

        schema->attributes.push_back({std::move(name), visible->toBool(), CMFAttributeKind(kind), QString()});
    }

    result.schema = std::move(schema);
    return result;
}

void ZCMFSchema::save(QTextStream& stream) const
{
    QJsonArray array;
    for (const CMFAttribute& attribute : attributes) {
        // Inserted in the object's key order, so each insert appends.
        QJsonObject object;
        object.insert(kKind, int(attribute.kind));
        object.insert(kName, attribute.name);
        object.insert(kVisible, attribute.visible);
        array.append(object);
    }
    QJsonObject root;
    root.insert(kAttributes, array);
    root.insert(kSchemaName, name);
    root.insert(kVersion, 1);
    stream << QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ZCMFSchema::hasAttributeWithName(const QString& name, int ignoredIndex) const
{
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        if (int(i) != ignoredIndex && attributes[i].name == name)
            return true;
    }
    return false;
}

} // namespace zsg
