#include "fixedbarcode.h"

#include "memoryblock.h"

QByteArray cutUtf8(const QByteArray& text, int width)
{
    if (text.size() <= width) return text;
    int length = width;
    while (length > 0 && (static_cast<unsigned char>(text.at(length)) & 0xC0) == 0x80) --length;
    return text.left(length);
}

FixedBarcodeItem::FixedBarcodeItem(List_FixedBarcodeItem* list, int width, const char* defaultText)
    : m_width(width), m_text(width, ' ')
{
    if (defaultText) SetValue(defaultText);
    if (list) list->add(this);
}

void FixedBarcodeItem::SetValue(const char* text) { SetValueRightPadding(CString(text), ' '); }
void FixedBarcodeItem::SetValue(const CString& text) { SetValueRightPadding(text, ' '); }

void FixedBarcodeItem::SetValueLeftPadding(const CString& text, char pad)
{
    const QByteArray cut = cutUtf8(text.bytes(), m_width);
    m_text = QByteArray(m_width - cut.size(), pad) + cut;
}

void FixedBarcodeItem::SetValueRightPadding(const CString& text, char pad)
{
    const QByteArray cut = cutUtf8(text.bytes(), m_width);
    m_text = cut + QByteArray(m_width - cut.size(), pad);
}

void FixedBarcodeItem::SetAllCharsTo(char ch) { m_text.fill(ch, m_width); }

QByteArray List_FixedBarcodeItem::text() const
{
    QByteArray out;
    for (const FixedBarcodeItem* item : m_items) out += item->text();
    return out;
}

void List_FixedBarcodeItem::OutputToMemoryBlock(CMemoryBlock& block) const
{
    const QByteArray bytes = text();
    block.Append(bytes.constData(), bytes.size());
}
