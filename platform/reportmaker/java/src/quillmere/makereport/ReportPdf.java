package quillmere.makereport;

import java.io.File;
import java.io.IOException;
import java.text.DecimalFormat;
import java.text.DecimalFormatSymbols;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;
import java.util.Map;

import org.apache.pdfbox.pdmodel.PDDocument;
import org.apache.pdfbox.pdmodel.PDPage;
import org.apache.pdfbox.pdmodel.PDPageContentStream;
import org.apache.pdfbox.pdmodel.common.PDRectangle;
import org.apache.pdfbox.pdmodel.font.PDFont;
import org.apache.pdfbox.pdmodel.font.PDType0Font;

/**
 * Lays a person's return out on pages: each item starts a page with a title
 * band, then its layout rows; a header on every page unless switched off.
 * Pages are composed first and drawn after, so "Page n of m" knows m.
 */
public class ReportPdf
{
    static final float WIDTH = PDRectangle.LETTER.getWidth(), HEIGHT = PDRectangle.LETTER.getHeight();
    static final float LEFT = 48, RIGHT = WIDTH - 48, BOTTOM = 48, ROW = 14;
    // Amounts in one explicit locale, whatever the machine's.
    static final DecimalFormat AMOUNT = new DecimalFormat("#,##0.00", DecimalFormatSymbols.getInstance(Locale.CANADA));
    static final String[] PROVINCES = {"", "Alberta", "British Columbia", "Manitoba", "New Brunswick",
        "Newfoundland and Labrador", "Nova Scotia", "Northwest Territories", "Nunavut", "Ontario",
        "Prince Edward Island", "Quebec", "Saskatchewan", "Yukon"};

    /** One drawing on a page. */
    interface Op { void draw(PDPageContentStream s, Fonts f) throws IOException; }

    static class Fonts
    {
        PDFont regular, bold;
        /** The text with tabs and other control characters as blanks, and every character the font cannot show replaced. */
        String safe(PDFont font, String raw)
        {
            final String text = raw.codePoints().anyMatch(Character::isISOControl)
                ? raw.codePoints().map(cp -> Character.isISOControl(cp) ? ' ' : cp)
                      .collect(StringBuilder::new, StringBuilder::appendCodePoint, StringBuilder::append).toString()
                : raw;
            try {
                font.encode(text);
                return text;
            } catch (IllegalArgumentException | IOException e) {
                StringBuilder b = new StringBuilder();
                text.codePoints().forEach(cp -> {
                    String one = new String(Character.toChars(cp));
                    try {
                        font.encode(one);
                        b.append(one);
                    } catch (IllegalArgumentException | IOException x) {
                        b.append('?');
                    }
                });
                return b.toString();
            }
        }
    }

    private final List<List<Op>> pages = new ArrayList<>();
    private List<Op> page;
    private float y;
    private final boolean header;
    private final boolean fullSin;
    private final String headerName, headerSin;
    private final int year;

    public ReportPdf(boolean header, boolean fullSin, String name, String sin, int year)
    {
        this.header = header;
        this.fullSin = fullSin;
        this.headerName = name;
        this.headerSin = showSin(sin);
        this.year = year;
    }

    public int pageCount() { return pages.size(); }

    /** The S.I.N. as printed: its last three digits only unless the whole number was asked for. */
    String showSin(String sin)
    {
        String digits = sin.replaceAll("[^0-9]", "");
        if (digits.isEmpty()) return sin;
        if (fullSin || digits.length() < 3) return digits.length() == 9
            ? digits.substring(0, 3) + " " + digits.substring(3, 6) + " " + digits.substring(6) : digits;
        return "XXX XXX " + digits.substring(digits.length() - 3);
    }

    float top() { return HEIGHT - (header ? 72 : 48); }

    public void newPage()
    {
        page = new ArrayList<>();
        pages.add(page);
        y = top();
    }

    void room(float height)
    {
        if (page == null || y - height < BOTTOM) newPage();
    }

    public void titleBand(String number, String title)
    {
        newPage();
        lastHeading = "";
        final float top = y;
        page.add((s, f) -> {
            s.setNonStrokingColor(0.85f, 0.85f, 0.85f);
            s.addRect(LEFT, top - 22, RIGHT - LEFT, 26);
            s.fill();
            s.setNonStrokingColor(0f, 0f, 0f);
            text(s, f, f.bold, 13, LEFT + 6, top - 14, number);
            // A long title is set smaller rather than past the band's end.
            float size = 11;
            String t = f.safe(f.bold, title == null ? "" : title);
            while (size > 6 && f.bold.getStringWidth(t) / 1000 * size > RIGHT - LEFT - 116) size -= 0.5f;
            text(s, f, f.bold, size, LEFT + 110, top - 14, t);
        });
        y -= 36;
    }

    private String lastHeading = "";

    public void heading(String text, float size)
    {
        // A tab and its first section often share a title: print it once.
        if (text.equals(lastHeading)) return;
        lastHeading = text;
        // Never alone at the foot of a page.
        room(ROW * 3);
        final float at = y - 4;
        page.add((s, f) -> text(s, f, f.bold, size, LEFT, at, text));
        y -= ROW + 6;
    }

    public void paragraph(String text)
    {
        for (String line : wrap(text, 95)) {
            room(ROW);
            final float at = y;
            page.add((s, f) -> text(s, f, f.regular, 10, LEFT, at, line));
            y -= ROW;
        }
        y -= 4;
    }

    /** One numbered line: number, label, and the amount or text on the right, a text of several lines line by line. */
    public void line(String number, String label, String value, boolean calculated)
    {
        List<String> labels = wrap(label, 70);
        String[] split = value.split("\\r?\\n");
        final String[] values = split.length == 0 ? new String[] {""} : split;
        final int rows = Math.max(labels.size(), values.length);
        room(ROW * rows);
        final float at = y;
        page.add((s, f) -> {
            if (calculated) {
                s.setNonStrokingColor(0.9f, 0.9f, 0.9f);
                s.addRect(RIGHT - 110, at - 3 - (values.length - 1) * ROW, 110, values.length * ROW - 1);
                s.fill();
                s.setNonStrokingColor(0f, 0f, 0f);
            }
            text(s, f, f.regular, 9, LEFT, at, number);
            for (int i = 0; i < labels.size(); ++i) text(s, f, f.regular, 9, LEFT + 44, at - i * ROW, labels.get(i));
            for (int i = 0; i < values.length; ++i)
                rightText(s, f, calculated ? f.bold : f.regular, 9, RIGHT - 4, at - i * ROW, values[i]);
        });
        y -= ROW * rows;
    }

    /** A row of cells across the width (tables). */
    public void cells(List<String> values, boolean bold)
    {
        room(ROW);
        final float at = y;
        final float w = (RIGHT - LEFT) / Math.max(1, values.size());
        page.add((s, f) -> {
            for (int i = 0; i < values.size(); ++i) {
                String v = values.get(i).replaceAll("\\s*\\r?\\n\\s*", ", ");
                if (v.length() > (int) (w / 5)) v = v.substring(0, Math.max(1, (int) (w / 5) - 1)) + "\u2026";
                text(s, f, bold ? f.bold : f.regular, 8, LEFT + i * w, at, v);
            }
        });
        y -= ROW;
    }

    /** Prints one item from its layout. */
    public void item(ReturnItem item, ItemLayout layout, boolean condensed)
    {
        titleBand(layout.name, layout.title);
        String[][] rows = layout.rows;
        for (int i = 0; i < rows.length; ++i) {
            String[] r = rows[i];
            switch (r[0]) {
            case "P":
                if (!condensed) heading(r[3], 11);
                break;
            case "S":
                if (!condensed) heading(r[3], 10);
                break;
            case "L":
            case "C": {
                String value = shown(item, r[1], r[4]);
                if (condensed && value.isEmpty()) break;
                if ("@lines".equals(r[4]) && !value.isEmpty()) {
                    line(r[2], r[3], "", false);
                    paragraph(value);
                } else {
                    line(r[2], r[3], value, "c".equals(r[5]));
                }
                break;
            }
            case "T": {
                List<String[]> columns = new ArrayList<>();
                while (i + 1 < rows.length && "K".equals(rows[i + 1][0])) columns.add(rows[++i]);
                table(item, r[3], columns, condensed);
                break;
            }
            default:
                break;    // buttons, hidden fields and stray columns are not printed
            }
        }
    }

    void table(ReturnItem item, String heading, List<String[]> columns, boolean condensed)
    {
        List<List<String>> body = new ArrayList<>();
        for (int n = 1; n <= 1000; ++n) {
            List<String> cells = new ArrayList<>();
            boolean any = false, exists = false;
            for (String[] c : columns) {
                String field = c[1].replace("#", Integer.toString(n));
                exists |= item.values.containsKey(field);
                String v = shown(item, field, c[4]);
                any |= !v.isEmpty();
                cells.add(v);
            }
            if (!exists && n > 20) break;
            if (any) body.add(cells);
        }
        if (condensed && body.isEmpty()) return;
        heading(heading, 10);
        List<String> head = new ArrayList<>();
        for (String[] c : columns) head.add(c[3]);
        cells(head, true);
        for (List<String> cells : body) cells(cells, false);
        y -= 4;
    }

    /** A field's value as printed; empty for a value never entered. */
    String shown(ReturnItem item, String field, String choices)
    {
        Object v = item.values.get(field);
        if (v == null) return "";
        if (field.equals("sin") || field.endsWith("_sin")) return showSin(v.toString());
        if (v instanceof Double) {
            double d = (Double) v;
            return d == 0.0 ? "" : AMOUNT.format(d);
        }
        if (v instanceof Boolean) return (Boolean) v ? "Yes" : "";
        if (v instanceof Integer && choices != null && !choices.isEmpty()) {
            int n = (Integer) v;
            if ("@provinces".equals(choices)) return n > 0 && n < PROVINCES.length ? PROVINCES[n] : Integer.toString(n);
            for (String pair : choices.split("\\|")) {
                int eq = pair.indexOf('=');
                if (eq > 0 && pair.substring(0, eq).trim().equals(Integer.toString(n))) return pair.substring(eq + 1);
            }
        }
        return v.toString();
    }

    static List<String> wrap(String text, int width)
    {
        List<String> out = new ArrayList<>();
        for (String para : text.split("\n", -1)) {
            StringBuilder line = new StringBuilder();
            for (String word : para.split(" ")) {
                if (line.length() > 0 && line.length() + 1 + word.length() > width) {
                    out.add(line.toString());
                    line.setLength(0);
                }
                if (line.length() > 0) line.append(' ');
                line.append(word);
            }
            out.add(line.toString());
        }
        return out;
    }

    static void text(PDPageContentStream s, Fonts f, PDFont font, float size, float x, float y, String text) throws IOException
    {
        if (text == null || text.isEmpty()) return;
        s.beginText();
        s.setFont(font, size);
        s.newLineAtOffset(x, y);
        s.showText(f.safe(font, text));
        s.endText();
    }

    static void rightText(PDPageContentStream s, Fonts f, PDFont font, float size, float right, float y, String text) throws IOException
    {
        if (text == null || text.isEmpty()) return;
        String t = f.safe(font, text);
        text(s, f, font, size, right - font.getStringWidth(t) / 1000 * size, y, t);
    }

    /** Draws every page into a new document. */
    public PDDocument render(File regularFont, File boldFont) throws IOException
    {
        PDDocument doc = new PDDocument();
        try {
            Fonts f = new Fonts();
            f.regular = PDType0Font.load(doc, regularFont);
            f.bold = PDType0Font.load(doc, boldFont);
            int n = 0;
            for (List<Op> ops : pages) {
                ++n;
                PDPage p = new PDPage(PDRectangle.LETTER);
                doc.addPage(p);
                try (PDPageContentStream s = new PDPageContentStream(doc, p)) {
                    if (header) {
                        text(s, f, f.regular, 9, LEFT, HEIGHT - 40, headerName + "    S.I.N. " + headerSin);
                        rightText(s, f, f.regular, 9, RIGHT, HEIGHT - 40, year + "    Page " + n + " of " + pages.size());
                        s.moveTo(LEFT, HEIGHT - 48);
                        s.lineTo(RIGHT, HEIGHT - 48);
                        s.stroke();
                    }
                    for (Op op : ops) op.draw(s, f);
                }
            }
            return doc;
        } catch (IOException | RuntimeException e) {
            doc.close();
            throw e;
        }
    }

    static String money(double d) { return AMOUNT.format(d); }
    static String first(Map<String, Object> v, String key) { Object o = v.get(key); return o == null ? "" : o.toString(); }
}
