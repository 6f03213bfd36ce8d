#include "tddreplyparse.h"

#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "xmlguard.h"

namespace {

std::string printed(const TiXmlNode& node)
{
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    node.Accept(&printer);
    return printer.CStr();
}

MyTiXmlHandle bodyOf(const TiXmlNode* document)
{
    return MyTiXmlHandle(document).FirstChildElement().FirstChildElement("soapenv:Body");
}

MyTiXmlHandle noticeDataOf(const TiXmlNode* document)
{
    return bodyOf(document)
        .FirstChildElement("GetNOAResponse")
        .FirstChildElement("NoticeOfAssessment")
        .FirstChildElement("NoticeOfAssessmentData");
}

TiXmlNode* mutableNode(const MyTiXmlHandle& handle)
{
    return const_cast<TiXmlNode*>(handle.ToNode());
}

} // namespace

int parseTDDTokenSoapResponseResult(std::string& reply, const char* responseTag, const char* subTag,
                                    StructTDDSoapResult* result)
{
    TiXmlDocument document;
    if (!parseXmlReply(reply, document)) {
        result->error = "response parse error";
        return 1;
    }
    const MyTiXmlHandle body = bodyOf(&document);
    const TiXmlElement* response = body.FirstChildElement(responseTag).ToElement();
    if (response) {
        result->ReturnCode = getElementSubEleStringText(response, "ReturnCode");
        result->value = getElementSubEleStringText(response, subTag).c_str();
        return 0;
    }
    const TiXmlElement* fault = body.FirstChildElement("soapenv:Fault").ToElement();
    const CString faultString = getElementSubEleStringText(fault, "faultstring");
    result->error = fault && !faultString.IsEmpty() ? faultString : CString("Error: no response and Fault");
    return 10;
}

int readTddPersonItems(const std::string& reply, std::vector<std::string>& items)
{
    items.clear();
    TiXmlDocument document;
    if (!parseXmlReply(reply, document))
        return kReplyNotXml;
    const MyTiXmlHandle delivery =
        bodyOf(&document).FirstChildElement("GetTDDNetfileResponse").FirstChildElement("TaxDataDelivery");
    if (delivery.isNull())
        return kReplyNoResponse;
    for (MyTiXmlHandle item = delivery.FirstChildElement("TaxData").FirstChildElement("IndividualIncomeTaxDataItem");
         !item.isNull(); item = item.NextSiblingElement("IndividualIncomeTaxDataItem"))
        items.push_back(printed(*item.ToNode()));
    return int(items.size());
}

int readNoticeReplies(const std::string& reply, std::vector<std::string>& notices)
{
    notices.clear();
    TiXmlDocument document;
    if (!parseXmlReply(reply, document))
        return kReplyNotXml;
    if (bodyOf(&document).FirstChildElement("GetNOAResponse").FirstChildElement("NoticeOfAssessment").isNull())
        return kReplyNoResponse;
    int total = 0;
    for (MyTiXmlHandle item = noticeDataOf(&document).FirstChildElement("NoticeOfAssessmentItem"); !item.isNull();
         item = item.NextSiblingElement("NoticeOfAssessmentItem"))
        ++total;
    for (int keep = 0; keep < total; ++keep) {
        // A copy of the reply without the other notices.
        TiXmlDocument single(document);
        TiXmlNode* data = mutableNode(noticeDataOf(&single));
        int position = 0;
        for (TiXmlNode* item = mutableNode(MyTiXmlHandle(data).FirstChildElement("NoticeOfAssessmentItem")); item;) {
            TiXmlNode* next = mutableNode(MyTiXmlHandle(item).NextSiblingElement("NoticeOfAssessmentItem"));
            if (position++ != keep)
                data->RemoveChild(item);
            item = next;
        }
        notices.push_back(printed(single));
    }
    return total;
}
