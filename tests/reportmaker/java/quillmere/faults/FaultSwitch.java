package quillmere.faults;

import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;

import quillmere.makereport.ReportMaker;

/**
 * The report maker with a fault switch, for the host's tests only: the
 * environment variable QM_FAULT names one fault, "<action>:<step>":
 * "throw:<step>" throws in that step, "exhaust:<step>" fills the heap at the
 * end of it (so the host's next string or array cannot be made),
 * "load:<n>" and "generate:<n>" answer n, "empty" writes a PDF of 0 bytes.
 * Steps: ctor, pdf, xml, output, flags, do, int, new, for, mode, load, generate.
 */
public class FaultSwitch extends ReportMaker
{
    private static final List<Object> hoard = new ArrayList<>();
    private final String fault = System.getenv().getOrDefault("QM_FAULT", "");

    public FaultSwitch()
    {
        step("ctor");
    }

    private void step(String name)
    {
        String f = System.getenv().getOrDefault("QM_FAULT", "");
        if (f.equals("throw:" + name)) throw new IllegalStateException("fault switch: " + name);
        if (f.equals("exhaust:" + name)) exhaust();
    }

    private static void exhaust()
    {
        int size = 1 << 20;
        while (size >= 8) {
            try {
                hoard.add(new byte[size]);
            } catch (OutOfMemoryError e) {
                size /= 2;
            }
        }
    }

    private Integer answer(String name)
    {
        return fault.startsWith(name + ":") ? Integer.valueOf(fault.substring(name.length() + 1)) : null;
    }

    @Override public void setPdfFolder(String folder) { super.setPdfFolder(folder); step("pdf"); }
    @Override public void setXmlFolder(String folder) { super.setXmlFolder(folder); step("xml"); }
    @Override public void setOutputFolder(byte[] utf8) { super.setOutputFolder(utf8); step("output"); }
    @Override public void setFlags(int f) { super.setFlags(f); step("flags"); }
    @Override public void begin() { super.begin(); step("do"); }
    @Override public void findFonts() { super.findFonts(); step("int"); }
    @Override public void withoutHeader() { super.withoutHeader(); step("new"); }
    @Override public void ready() { super.ready(); step("for"); }
    @Override public void setMode(int m) { super.setMode(m); step("mode"); }

    @Override public int load(byte[] path)
    {
        step("load");
        int rc = super.load(path);
        Integer forced = answer("load");
        return forced != null ? forced : rc;
    }

    @Override public int generate(int person, int formId)
    {
        step("generate");
        Integer forced = answer("generate");
        if (forced != null) return forced;
        int rc = super.generate(person, formId);
        if (rc == 0 && fault.equals("empty")) {
            try {
                new java.io.FileOutputStream(new File(result())).close();
            } catch (IOException e) {
                return 9;
            }
        }
        return rc;
    }
}
