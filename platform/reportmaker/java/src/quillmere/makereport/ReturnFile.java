package quillmere.makereport;

import java.io.DataInputStream;
import java.io.EOFException;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;

/**
 * Reads a saved return file: the taxpayer's block and, when there is one,
 * the spouse's. Only what the printed report needs is kept; the rest is
 * read past. Big-endian ints, doubles and length-prefixed UTF-8 texts, as
 * the program writes them.
 */
public class ReturnFile
{
    public static final int CURRENT_VERSION = 66069;

    /** One person's part of the file. */
    public static class Person
    {
        public int version;
        public int taxYear;
        public int province;
        public final List<ReturnItem> forms = new ArrayList<>();
        public final List<ReturnItem> slips = new ArrayList<>();
        public final List<ReturnItem> notes = new ArrayList<>();
        /** The barcode blocks the save stored, in order (the T1 block, then one per statement); none for a return that gets no barcode. */
        public final List<byte[]> barcodeBlocks = new ArrayList<>();

        public ReturnItem firstForm(int type)
        {
            for (ReturnItem f : forms)
                if (f.type == type) return f;
            return null;
        }
    }

    public final Person[] persons = new Person[2];

    /** Thrown when the file is not a return file this reader knows. */
    public static class DamagedException extends IOException
    {
        public DamagedException(String what) { super(what); }
    }

    public static ReturnFile read(InputStream raw) throws IOException
    {
        DataInputStream in = new DataInputStream(raw);
        ReturnFile file = new ReturnFile();
        file.persons[0] = readPerson(in);
        if (file.persons[0].province != 0) file.persons[1] = readPerson(in);
        return file;
    }

    private static Person readPerson(DataInputStream in) throws IOException
    {
        Person p = new Person();
        p.version = in.readInt();
        p.taxYear = in.readInt();
        if ((p.version >>> 16) != 1 || p.version > CURRENT_VERSION) throw new DamagedException("version " + p.version);
        if (p.version >= 65989) in.readInt();
        if (p.version >= 65866) in.readInt();
        int strings = count(in, 1000);
        for (int i = 0; i < strings; ++i) {
            in.readInt();
            bytes(in);
        }
        in.readInt();                 // next unique identifier
        p.province = in.readInt();
        int forms = count(in, 100000);
        for (int i = 0; i < forms; ++i) {
            int type = in.readInt();
            int id = 0;
            if (p.version >= 65856) {
                id = in.readInt();
                in.readInt();
            }
            p.forms.add(readObject(in, new ReturnItem(ReturnItem.FORM, type, id)));
        }
        int slips = count(in, 100000);
        for (int i = 0; i < slips; ++i) {
            int type = in.readInt();
            int id = in.readInt();
            if (p.version >= 65857) in.readInt();
            p.slips.add(readObject(in, new ReturnItem(ReturnItem.SLIP, type, id)));
        }
        if (p.version >= 65716) {
            int notes = count(in, 100000);
            for (int i = 0; i < notes; ++i) {
                in.readInt();
                int id = in.readInt();
                p.notes.add(readObject(in, new ReturnItem(ReturnItem.NOTE, 1, id)));
            }
        }
        if (p.version >= 65777) {
            in.skipNBytes(8);
            readBarcode(in, p);
            in.skipNBytes(8);
        }
        return p;
    }

    /** The person's barcode section: the T1 block, a count, and that many statement blocks. */
    private static void readBarcode(DataInputStream in, Person p) throws IOException
    {
        byte[] t1 = block(in);
        if (t1.length == 0) return;
        p.barcodeBlocks.add(t1);
        int count = in.readInt();
        if (count < 1) return;
        if (p.version < 66064) throw new DamagedException("barcode layout of version " + p.version);
        for (int i = 0; i < count; ++i) {
            byte[] b = block(in);
            if (b.length > 0) p.barcodeBlocks.add(b);
        }
    }

    private static byte[] block(DataInputStream in) throws IOException
    {
        int n = in.readInt();
        if (n < 1) return new byte[0];
        if (n > (1 << 24)) throw new DamagedException("barcode block length " + n);
        byte[] b = new byte[n];
        in.readFully(b);
        return b;
    }

    private static ReturnItem readObject(DataInputStream in, ReturnItem item) throws IOException
    {
        int format = in.readInt();
        if (format == 2) in.readInt();
        else if (format != 1) throw new DamagedException("object format " + format);
        int fields = count(in, 100000);
        for (int i = 0; i < fields; ++i) {
            String name = new String(bytes(in), StandardCharsets.UTF_8);
            byte type = in.readByte();
            switch (type) {
            case 1: item.values.put(name, new String(bytes(in), StandardCharsets.UTF_8)); break;
            case 2: item.values.put(name, in.readInt()); break;
            case 3: item.values.put(name, in.readByte() != 0); break;
            case 4: {
                int d = in.readInt();
                if (d > 0) {
                    item.dates.put(name, d);
                    // Western digits whatever the JVM's language.
                    item.values.put(name, String.format(Locale.ROOT, "%04d-%02d-%02d", d / 10000, (d / 100) % 100, d % 100));
                }
                break;
            }
            case 5: {
                double v = in.readDouble();
                item.values.put(name, Double.isFinite(v) ? v : 0.0);
                break;
            }
            default: throw new DamagedException("field type " + type);
            }
        }
        return item;
    }

    private static int count(DataInputStream in, int most) throws IOException
    {
        int n = in.readInt();
        if (n < 0 || n > most) throw new DamagedException("count " + n);
        return n;
    }

    private static byte[] bytes(DataInputStream in) throws IOException
    {
        int n = in.readInt();
        if (n == -1) return new byte[0];
        if (n < 0 || n > (1 << 24)) throw new DamagedException("text length " + n);
        byte[] b = new byte[n];
        in.readFully(b);
        return b;
    }
}
