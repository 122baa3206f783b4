#pragma once
// Translates every text to "context|source", so that a text looked up under
// the wrong translation context shows in the result.

#include <QTranslator>

namespace zsg::test {

class ContextTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QString::fromUtf8(context) + u'|' + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace zsg::test
