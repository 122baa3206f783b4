#include <zsg/cmf/CMFKey.h>

namespace zsg {

const std::map<CMFKey, std::string> cmfKeyString = {
    {CMFKey::Name, "CMF::TEXT::NAME"},
    {CMFKey::Color, "CMF::TEXT::COLOR"},
    {CMFKey::Material, "CMF::TEXT::MATERIAL"},
    {CMFKey::Finish, "CMF::TEXT::FINISH"},
    {CMFKey::Vendor, "CMF::TEXT::VENDOR"},
    {CMFKey::Notes, "CMF::TEXT::NOTES"},
    {CMFKey::Thumbnail, "CMF::IMAGE::THUMBNAIL"},
};

} // namespace zsg
