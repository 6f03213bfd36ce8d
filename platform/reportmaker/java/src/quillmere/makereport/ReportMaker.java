package quillmere.makereport;

import java.io.BufferedInputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.time.LocalDate;
import java.util.List;

import org.apache.pdfbox.pdmodel.PDDocument;

/**
 * The report maker: reads a saved return file and writes its printable PDF.
 * The host calls it through the entry class in a fixed order: folders and
 * flags, the steps, then load and generate.
 */
public class ReportMaker
{
    // Print flags.
    public static final int FLAG_LETTER = 4, FLAG_INVOICE = 8, FLAG_FULL_SIN = 16, FLAG_LETTER_PREPARER = 32;
    // Load results.
    public static final int LOADED = 0, NOT_FOUND = 1, DAMAGED = 2;
    /** Loaded, from a file an earlier version wrote. */
    public static final int LOADED_OLDER_FILE = 5166;
    /** Loaded, from a file of another tax year. */
    public static final int LOADED_OTHER_YEAR = 5167;
    // Generate results.
    public static final int WRITTEN = 0, NOT_LOADED = 1, NO_SUCH_PERSON = 2, NO_SUCH_FORM = 3, NOT_WRITTEN = 4;

    static final int T1 = 1, SUMMARY = 93, T2203 = 156;
    // Marital statuses of a person with a spouse or common-law partner.
    static final int MARRIED = 0, COMMON_LAW = 1;

    protected String pdfFolder = "", xmlFolder = "", outputFolder = "";
    protected int flags, mode;
    protected boolean header = true;
    protected File returnFile;
    protected ReturnFile loaded;
    protected String result;
    protected File regularFont, boldFont;
    /** Whether the person printed has a spouse or common-law partner. */
    protected boolean hasSpouse;

    public void setPdfFolder(String folder) { pdfFolder = folder == null ? "" : folder; }
    public void setXmlFolder(String folder) { xmlFolder = folder == null ? "" : folder; }
    public void setOutputFolder(byte[] utf8) { outputFolder = utf8 == null ? "" : new String(utf8, StandardCharsets.UTF_8); }
    public void setFlags(int f) { flags = f; }
    public void setMode(int m) { mode = m; }

    /** Step 1: a new job; nothing of the last one stays. */
    public void begin()
    {
        mode = 0;
        header = true;
        loaded = null;
        returnFile = null;
        result = null;
    }

    /** Step 2: finds the embedded fonts, beside our archive (Resources), else the system's. */
    public void findFonts()
    {
        File dir = resourcesFolder();
        regularFont = firstExisting(new File(dir, "DejaVuSans.ttf"), new File("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        boldFont = firstExisting(new File(dir, "DejaVuSans-Bold.ttf"), new File("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    }

    /** Step 3: pages without the header. */
    public void withoutHeader() { header = false; }

    /** Step 4: the settings are complete. */
    public void ready() {}

    public int load(byte[] utf8Path)
    {
        loaded = null;
        returnFile = new File(new String(utf8Path, StandardCharsets.UTF_8));
        if (!returnFile.isFile()) return NOT_FOUND;
        try (InputStream in = new BufferedInputStream(new FileInputStream(returnFile))) {
            loaded = ReturnFile.read(in);
        } catch (IOException e) {
            return DAMAGED;
        }
        ReturnFile.Person p = loaded.persons[0];
        if (p.version < ReturnFile.CURRENT_VERSION) return LOADED_OLDER_FILE;
        if (p.taxYear != 2021) return LOADED_OTHER_YEAR;
        return LOADED;
    }

    /** Writes the PDF of one person (0 the taxpayer, 1 the spouse), or of one form of it. */
    public int generate(int person, int formId)
    {
        result = null;
        if (loaded == null) return NOT_LOADED;
        if (person < 0 || person > 1 || loaded.persons[person] == null) return NO_SUCH_PERSON;
        ReturnFile.Person p = loaded.persons[person];
        if (regularFont == null) findFonts();
        ReturnItem t1 = p.firstForm(T1);
        String name = t1 == null ? "" : (t1.text("first_name") + " " + t1.text("last_name")).trim();
        ReportPdf pdf = new ReportPdf(header, (flags & FLAG_FULL_SIN) != 0, name, t1 == null ? "" : t1.text("sin"), 2021);
        hasSpouse = hasSpouse(t1);

        String suffix = person == 1 ? "_spouse" : "";
        if (formId != 0 && mode == 0) {
            ReturnItem only = null;
            for (ReturnItem f : p.forms)
                if (f.id == formId) only = f;
            ItemLayout layout = only == null ? null : ItemLayout.of(only);
            if (layout == null) return NO_SUCH_FORM;
            pdf.item(only, layout, false, hasSpouse);
            suffix += "_" + layout.javaId;
        } else if (mode == 1) {
            if (!condensed(pdf, p)) return NOT_WRITTEN;
        } else {
            if ((flags & (FLAG_LETTER | FLAG_LETTER_PREPARER)) == (FLAG_LETTER | FLAG_LETTER_PREPARER))
                ClientLetter.write(pdf, p, name);
            if (t1 != null) print(pdf, t1, false);
            for (ReturnItem f : p.forms)
                if (f != t1 && wholeReturnPrints(f, p)) print(pdf, f, false);
            for (ReturnItem s : p.slips) print(pdf, s, false);
            for (ReturnItem n : p.notes) print(pdf, n, false);
            if ((flags & FLAG_INVOICE) != 0) ClientLetter.invoice(pdf, p, name, LocalDate.now());
        }
        if (pdf.pageCount() == 0) pdf.newPage();

        String base = returnFile.getName();
        int dot = base.lastIndexOf('.');
        if (dot > 0) base = base.substring(0, dot);
        File target = new File(outputFolder, base + suffix + ".pdf");
        return write(pdf, target) ? WRITTEN : NOT_WRITTEN;
    }

    public String result() { return result; }

    /**
     * The condensed print: the barcode symbols of the blocks the save stored
     * (or the line saying why there are none), then the lines that hold
     * something. False when a symbol cannot be made.
     */
    boolean condensed(ReportPdf pdf, ReturnFile.Person p)
    {
        ReturnItem t1 = p.firstForm(T1);
        pdf.titleBand("Barcode", "T1 Condensed Print: the return's data for the agency's scanner (PDF417)");
        if (p.barcodeBlocks.isEmpty()) {
            pdf.paragraph(NoBarcodeReason.line(t1));
        } else {
            // The barcode library is named only inside BarcodeSymbols: without
            // it every other print still works.
            List<BarcodeSymbols.Symbol> symbols;
            try {
                symbols = BarcodeSymbols.of(p.barcodeBlocks);
            } catch (LinkageError e) {
                symbols = null;
                pdf.paragraph("This return gets no barcode: the barcode library (zxing-core.jar) is missing beside the report maker.");
            } catch (Exception e) {
                return false;
            }
            if (symbols != null)
                for (BarcodeSymbols.Symbol symbol : symbols) pdf.symbol(symbol.modules, symbol.label);
        }
        if (t1 != null) print(pdf, t1, true);
        for (ReturnItem f : p.forms)
            if (f != t1 && f.type != SUMMARY && wholeReturnPrints(f, p)) print(pdf, f, true);
        return true;
    }

    /**
     * Whether a form goes into a print of the whole return. The T2203, which
     * every resident return holds, only when business income is allocated to
     * a jurisdiction other than the return's own; printed alone it always is.
     */
    static boolean wholeReturnPrints(ReturnItem form, ReturnFile.Person p)
    {
        if (form.type != T2203) return true;
        // Rows as the printed table reads them: up to 1000, ending after row 20
        // at the first row the file does not hold.
        for (int n = 1; n <= 1000; ++n) {
            String row = "provinces." + n + ".";
            if (n > 20 && !form.values.containsKey(row + "province")
                && !form.values.containsKey(row + "business_income")) break;
            if (Math.abs(form.amount(row + "business_income")) < 0.009) continue;
            if ((int) form.amount(row + "province") != p.province) return true;
        }
        return false;
    }

    /** A person with a spouse or common-law partner gets the answers that apply only to one. */
    static boolean hasSpouse(ReturnItem t1)
    {
        if (t1 == null) return false;
        ItemLayout layout = ItemLayout.of(t1);
        Object status = layout == null ? t1.values.get("marital_status") : layout.value(t1, "marital_status");
        return status instanceof Integer && ((Integer) status == MARRIED || (Integer) status == COMMON_LAW);
    }

    void print(ReportPdf pdf, ReturnItem item, boolean condensed)
    {
        ItemLayout layout = ItemLayout.of(item);
        if (layout != null) pdf.item(item, layout, condensed, hasSpouse);
    }

    /** Writes the PDF whole or not at all: a file beside the target, then renamed over it. */
    protected boolean write(ReportPdf pdf, File target)
    {
        Path temp = null;
        try (PDDocument doc = pdf.render(regularFont, boldFont)) {
            File folder = target.getAbsoluteFile().getParentFile();
            temp = Files.createTempFile(folder.toPath(), ".print", ".tmp");
            doc.save(temp.toFile());
            Files.move(temp, target.toPath(), StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
            temp = null;
            result = target.getPath();
            return true;
        } catch (IOException | RuntimeException e) {
            return false;
        } finally {
            if (temp != null) {
                try { Files.deleteIfExists(temp); } catch (IOException ignored) { }
            }
        }
    }

    static File resourcesFolder()
    {
        try {
            File jar = new File(ReportMaker.class.getProtectionDomain().getCodeSource().getLocation().toURI());
            return jar.isDirectory() ? jar : jar.getParentFile();
        } catch (Exception e) {
            return new File(".");
        }
    }

    static File firstExisting(File... files)
    {
        for (File f : files)
            if (f.isFile()) return f;
        return files[files.length - 1];
    }
}
