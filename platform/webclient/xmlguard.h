#pragma once
// The one gate every reader of a service's XML reply goes through. TinyXML
// parses nested elements by recursion, so a hostile reply nested deep
// enough would overflow the stack; and a huge one would take the memory.
// The reply is first read by a streaming reader that does not recurse: too
// large, nested too deep, not well-formed, or holding a document type or a
// processing instruction (where TinyXML and a conforming reader see
// different elements) is "not XML", and TinyXML never sees it.

#include <cstddef>
#include <string>

#include "replylimits.h"

class TiXmlDocument;

constexpr int kMaxXmlDepth = 256;

// True when the bytes pass the gate.
bool xmlReplyIsSafe(const char* data, std::size_t size);
// Parses a reply that passes the gate into `document`; false ("not XML")
// when it does not pass or TinyXML refuses it.
bool parseXmlReply(const std::string& reply, TiXmlDocument& document);
