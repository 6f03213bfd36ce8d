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

    // A barcode module: 4 dots at 300 dpi (0.339 mm, at least the 0.33 mm a
    // scanner needs); a row three modules high. Symbols start on whole dots.
    static final double MODULE = 4 * 72.0 / 300, BAR_ROW = 3 * MODULE, DOT = 72.0 / 300;

    /** A two-dimensional symbol (modules by rows, from the top) with its label under it. */
    public void symbol(boolean[][] modules, String label)
    {
        final double height = modules.length * BAR_ROW;
        room((float) height + ROW + 10);
        final double top = Math.floor(y / DOT) * DOT;
        page.add((s, f) -> {
            s.setNonStrokingColor(0f, 0f, 0f);
            for (int r = 0; r < modules.length; ++r) {
                boolean[] row = modules[r];
                for (int x = 0; x < row.length; ) {
                    if (!row[x]) {
                        ++x;
                        continue;
                    }
                    int end = x;
                    while (end < row.length && row[end]) ++end;
                    s.addRect((float) (LEFT + x * MODULE), (float) (top - (r + 1) * BAR_ROW), (float) ((end - x) * MODULE),
                              (float) BAR_ROW);
                    x = end;
                }
            }
            s.fill();
            text(s, f, f.regular, 8, LEFT, (float) (top - height - 11), label);
        });
        y = (float) (top - height) - ROW - 10;
    }

    /** One cell of a table: its text, and whether it is a number (right-aligned, as on the lines). */
    static final class Cell
    {
        static final Cell EMPTY = new Cell("", false);
        final String text;
        final boolean number;

        Cell(String text, boolean number)
        {
            this.text = text;
            this.number = number;
        }
    }

    /** Prints one item from its layout; `hasSpouse` says whether the person has a spouse or common-law partner. */
    public void item(ReturnItem item, ItemLayout layout, boolean condensed, boolean hasSpouse)
    {
        titleBand(layout.name, layout.title);
        // A heading waits for the first row printed under it: a section whose
        // rows are all left out leaves no heading behind.
        List<String[]> pending = new ArrayList<>();
        String[][] rows = layout.rows;
        for (int i = 0; i < rows.length; ++i) {
            String[] r = rows[i];
            switch (r[0]) {
            case "P":
                pending.clear();
                if (!condensed) pending.add(new String[] {r[3], "11"});
                break;
            case "S":
                pending.removeIf(h -> "10".equals(h[1]));
                if (!condensed) pending.add(new String[] {r[3], "10"});
                break;
            case "L":
            case "C": {
                // An answer that applies only to a spouse is left out for a person without one.
                if (SPOUSE_ONLY.equals(r[4]) && !hasSpouse) break;
                String value = shown(item, layout, r[1], r[4]);
                if (condensed && value.isEmpty()) break;
                flush(pending);
                if (LINES.equals(r[4]) && !value.isEmpty()) {
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
                table(item, layout, r[3], columns, condensed, pending);
                break;
            }
            default:
                break;    // buttons, hidden fields and stray columns are not printed
            }
        }
    }

    private void flush(List<String[]> pending)
    {
        for (String[] h : pending) heading(h[0], Float.parseFloat(h[1]));
        pending.clear();
    }

    // Table text sizes; a heading wraps to the width of its column.
    static final float CELL_SIZE = 8, HEAD_SIZE = 7, HEAD_ROW = 9, CELL_PAD = 3;

    void table(ReturnItem item, ItemLayout layout, String heading, List<String[]> columns, boolean condensed,
               List<String[]> pending)
    {
        List<Cell[]> body = new ArrayList<>();
        for (int n = 1; n <= 1000; ++n) {
            Cell[] cells = new Cell[columns.size()];
            boolean any = false, exists = false;
            for (int c = 0; c < cells.length; ++c) {
                String field = columns.get(c)[1].replace("#", Integer.toString(n));
                exists |= item.values.containsKey(field);
                // A row is printed for what was stored in it; a starting value alone is no entry.
                cells[c] = cell(item, layout, field, columns.get(c)[4]);
                any |= item.values.containsKey(field) && !cells[c].text.isEmpty();
            }
            if (!exists && n > 20) break;
            if (any) body.add(cells);
        }
        if (condensed && body.isEmpty()) return;
        flush(pending);
        heading(heading, 10);

        final int count = Math.max(1, columns.size());
        final float w = (RIGHT - LEFT) / count;
        final boolean[] numeric = new boolean[count];
        for (Cell[] cells : body)
            for (int c = 0; c < cells.length; ++c) numeric[c] |= cells[c].number;
        final List<List<String>> heads = new ArrayList<>();
        int headRows = 1;
        for (String[] c : columns) {
            // Wrapped by an estimate of the bold face's width; drawing shrinks a line that still overflows.
            List<String> lines = wrap(c[3], Math.max(4, (int) ((w - 2 * CELL_PAD) / (HEAD_SIZE * 0.62f))));
            heads.add(lines);
            headRows = Math.max(headRows, lines.size());
        }
        final float headHeight = headRows * HEAD_ROW + 3;

        Runnable head = () -> {
            final float at = y;
            page.add((s, f) -> {
                for (int c = 0; c < heads.size(); ++c) {
                    List<String> lines = heads.get(c);
                    for (int l = 0; l < lines.size(); ++l)
                        cellText(s, f, f.bold, HEAD_SIZE, c, w, at - l * HEAD_ROW, lines.get(l), numeric[c], false);
                }
            });
            y -= headHeight;
        };
        room(headHeight + ROW);
        head.run();
        for (Cell[] cells : body) {
            if (y - ROW < BOTTOM) {
                newPage();
                head.run();
            }
            final float at = y;
            page.add((s, f) -> {
                for (int c = 0; c < cells.length; ++c) {
                    String v = cells[c].text.replaceAll("\\s*\\r?\\n\\s*", ", ");
                    cellText(s, f, f.regular, CELL_SIZE, c, w, at, v, cells[c].number, true);
                }
            });
            y -= ROW;
        }
        y -= 4;
    }

    /**
     * One text in table column c: a number right-aligned and never cut (set
     * smaller when it would not fit), any other text left-aligned and cut
     * with an ellipsis when `cut`, else set smaller.
     */
    static void cellText(PDPageContentStream s, Fonts f, PDFont font, float size, int c, float w, float at, String raw,
                         boolean right, boolean cut) throws IOException
    {
        if (raw == null || raw.isEmpty()) return;
        final float room = w - 2 * CELL_PAD;
        String t = f.safe(font, raw);
        if (cut && !right) {
            while (t.length() > 1 && width(font, size, t) > room) t = t.substring(0, t.length() - 2) + "\u2026";
        } else {
            while (size > 4 && width(font, size, t) > room) size -= 0.25f;
        }
        float left = LEFT + c * w + CELL_PAD;
        float x = right ? left + room - width(font, size, t) : left;
        text(s, f, font, size, x, at, t);
    }

    static float width(PDFont font, float size, String t) throws IOException
    {
        return font.getStringWidth(t) / 1000 * size;
    }

    // Marks in a row's choices that are no list of answers: a text of several
    // lines, a count, a line that applies only to a spouse.
    static final String LINES = "@lines", COUNT = "@count", SPOUSE_ONLY = "@spouse", PROVINCE_LIST = "@provinces";
    // Counts as whole numbers, a share of a unit as given.
    static final DecimalFormat COUNT_FORMAT = new DecimalFormat("#,##0.####", DecimalFormatSymbols.getInstance(Locale.CANADA));

    /** A field's value as printed; empty for a value never entered. */
    String shown(ReturnItem item, ItemLayout layout, String field, String choices)
    {
        return cell(item, layout, field, choices).text;
    }

    Cell cell(ReturnItem item, ItemLayout layout, String field, String choices)
    {
        final boolean given = item.values.containsKey(field);
        Object v = layout.value(item, field);
        // A list's answer never changed from the start is its first code, 0,
        // which the page shows by its text (English, No).
        if (v == null && isList(choices)) v = 0;
        if (v == null) return Cell.EMPTY;
        if (field.equals("sin") || field.endsWith("_sin")) return new Cell(showSin(v.toString()), false);
        if (isList(choices)) return new Cell(choiceText(v, choices), false);
        if (v instanceof Double) {
            double d = (Double) v;
            if (d == 0.0) return Cell.EMPTY;
            return new Cell(COUNT.equals(choices) ? COUNT_FORMAT.format(d) : AMOUNT.format(d), true);
        }
        if (v instanceof Boolean) return new Cell((Boolean) v ? "Yes" : "", false);
        if (v instanceof Integer) {
            int n = (Integer) v;
            return given || n != 0 ? new Cell(Integer.toString(n), true) : Cell.EMPTY;
        }
        return new Cell(v.toString(), false);
    }

    static boolean isList(String choices)
    {
        return choices != null && !choices.isEmpty() && (!choices.startsWith("@") || PROVINCE_LIST.equals(choices));
    }

    /** The text of a chosen answer; blank for a code that is none of the choices (a question not answered). */
    static String choiceText(Object v, String choices)
    {
        String key = v instanceof Boolean ? ((Boolean) v ? "1" : "0") : v.toString().trim();
        if (PROVINCE_LIST.equals(choices)) {
            for (int p = 1; p < Provinces.NAMES.length; ++p)
                if (key.equals(Integer.toString(p)) || (!Provinces.CODES[p].isEmpty() && key.equalsIgnoreCase(Provinces.CODES[p])))
                    return Provinces.NAMES[p];
            return "";
        }
        for (String pair : choices.split("\\|")) {
            int eq = pair.indexOf('=');
            if (eq > 0 && pair.substring(0, eq).trim().equals(key)) return pair.substring(eq + 1);
        }
        return "";
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
