#pragma once
// Reading the services' XML replies. Replies name the same element with
// whatever namespace prefix the server chose ("ns2:", "ns12:" or none), so
// every lookup here matches an element by its local name: the part after
// the last ':' of both the name asked for and the element's own name.
// Every step is safe on a null element: a missing step stays null down the
// chain, and the readers give their default.

#include "cstring.h"

class TiXmlElement;
class TiXmlNode;

class MyTiXmlHandle
{
public:
    explicit MyTiXmlHandle(const TiXmlNode* node) : m_node(node) {}

    // The first child element of that local name; a null handle when the
    // node is null or has no such child.
    MyTiXmlHandle FirstChildElement(const char* name) const;
    // The first child element, whatever its name.
    MyTiXmlHandle FirstChildElement() const;
    // The next sibling element of that local name.
    MyTiXmlHandle NextSiblingElement(const char* name) const;

    const TiXmlNode* ToNode() const { return m_node; }
    const TiXmlElement* ToElement() const;
    bool isNull() const { return m_node == nullptr; }

private:
    const TiXmlNode* m_node;
};

// True when the element's name has that local name (see above).
bool xmlLocalNameIs(const TiXmlElement* element, const char* name);
// The first child element of `element` with that local name, or null.
const TiXmlElement* xmlFirstChildByLocalName(const TiXmlNode* node, const char* name);

// Text of the first child element of that name; empty when the element is
// null, the child is missing or holds no text.
CString getElementSubEleStringText(const TiXmlElement* element, const char* name);
// The same read as a decimal integer (blanks around allowed); `defaultValue`
// when missing or not a number.
int getElementSubEleStringAsInt(const TiXmlElement* element, const char* name, int defaultValue);
// The same read as "true"/"false" or "1"/"0" (any case); `defaultValue`
// otherwise.
bool getElementSubEleStringAsBool(const TiXmlElement* element, const char* name, bool defaultValue);
// The attribute of the first child element of that name; empty when any
// step is missing.
CString getElementSubEleStringAttribute(const TiXmlElement* element, const char* name, const char* attribute);
