#include "mytixmlhandle.h"

#include <cstring>
#include <tinyxml.h>

namespace {

const char* localPart(const char* name)
{
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

} // namespace

bool xmlLocalNameIs(const TiXmlElement* element, const char* name)
{
    if (!element || !name) return false;
    return std::strcmp(localPart(element->Value()), localPart(name)) == 0;
}

const TiXmlElement* xmlFirstChildByLocalName(const TiXmlNode* node, const char* name)
{
    if (!node || !name) return nullptr;
    for (const TiXmlElement* child = node->FirstChildElement(); child; child = child->NextSiblingElement())
        if (xmlLocalNameIs(child, name)) return child;
    return nullptr;
}

MyTiXmlHandle MyTiXmlHandle::FirstChildElement(const char* name) const
{
    return MyTiXmlHandle(xmlFirstChildByLocalName(m_node, name));
}

MyTiXmlHandle MyTiXmlHandle::FirstChildElement() const
{
    return MyTiXmlHandle(m_node ? m_node->FirstChildElement() : nullptr);
}

MyTiXmlHandle MyTiXmlHandle::NextSiblingElement(const char* name) const
{
    const TiXmlElement* self = ToElement();
    if (!self || !name) return MyTiXmlHandle(nullptr);
    for (const TiXmlElement* next = self->NextSiblingElement(); next; next = next->NextSiblingElement())
        if (xmlLocalNameIs(next, name)) return MyTiXmlHandle(next);
    return MyTiXmlHandle(nullptr);
}

const TiXmlElement* MyTiXmlHandle::ToElement() const
{
    return m_node ? m_node->ToElement() : nullptr;
}

CString getElementSubEleStringText(const TiXmlElement* element, const char* name)
{
    const TiXmlElement* child = xmlFirstChildByLocalName(element, name);
    const char* text = child ? child->GetText() : nullptr;
    return CString(text ? text : "");
}

int getElementSubEleStringAsInt(const TiXmlElement* element, const char* name, int defaultValue)
{
    bool ok = false;
    const int value = getElementSubEleStringText(element, name).bytes().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

bool getElementSubEleStringAsBool(const TiXmlElement* element, const char* name, bool defaultValue)
{
    const QByteArray text = getElementSubEleStringText(element, name).bytes().trimmed().toLower();
    if (text == "true" || text == "1") return true;
    if (text == "false" || text == "0") return false;
    return defaultValue;
}

CString getElementSubEleStringAttribute(const TiXmlElement* element, const char* name, const char* attribute)
{
    const TiXmlElement* child = xmlFirstChildByLocalName(element, name);
    const char* value = child && attribute ? child->Attribute(attribute) : nullptr;
    return CString(value ? value : "");
}
