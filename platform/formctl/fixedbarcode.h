#pragma once
// Fixed-width records of a paper return's barcode data. Widths count the
// bytes of UTF-8 text, so a record always has its exact length and every item
// stays at its position: a longer text is cut at the last whole character
// that fits, then padded.

#include <vector>

#include <QByteArray>

#include "cstring.h"

class CMemoryBlock;
class List_FixedBarcodeItem;

class FixedBarcodeItem
{
public:
    // Appends itself to `list`; `defaultText` (or blanks) is its first content.
    FixedBarcodeItem(List_FixedBarcodeItem* list, int width, const char* defaultText = nullptr);
    FixedBarcodeItem(const FixedBarcodeItem&) = delete;
    FixedBarcodeItem& operator=(const FixedBarcodeItem&) = delete;

    // The text left-aligned, blanks after it.
    void SetValue(const char* text);
    void SetValue(const CString& text);
    // Right-aligned, `pad` before it.
    void SetValueLeftPadding(const CString& text, char pad);
    // Left-aligned, `pad` after it.
    void SetValueRightPadding(const CString& text, char pad);
    void SetAllCharsTo(char ch);

    int width() const { return m_width; }
    // Exactly width() bytes.
    const QByteArray& text() const { return m_text; }

private:
    int m_width;
    QByteArray m_text;
};

class List_FixedBarcodeItem
{
public:
    List_FixedBarcodeItem() = default;
    List_FixedBarcodeItem(const List_FixedBarcodeItem&) = delete;
    List_FixedBarcodeItem& operator=(const List_FixedBarcodeItem&) = delete;
    virtual ~List_FixedBarcodeItem() = default;

    void add(FixedBarcodeItem* item) { m_items.push_back(item); }
    // The items' texts in construction order.
    QByteArray text() const;
    void OutputToMemoryBlock(CMemoryBlock& block) const;

private:
    std::vector<FixedBarcodeItem*> m_items;
};

// The first bytes of UTF-8 `text` that fit in `width`, never half a character.
QByteArray cutUtf8(const QByteArray& text, int width);
