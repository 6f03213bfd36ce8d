package quillmere.makereport;

import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import com.google.zxing.WriterException;
import com.google.zxing.pdf417.encoder.Compaction;
import com.google.zxing.pdf417.encoder.PDF417;

/**
 * The stored barcode blocks as PDF417 symbols: a block of more than
 * {@link #MOST_BYTES} bytes goes on in further symbols, so that joining a
 * block's parts in order gives its bytes back. Nothing is encoded from the
 * return itself: the blocks are the bytes the save wrote.
 */
public final class BarcodeSymbols
{
    public static final int MOST_BYTES = 800;
    public static final int ERROR_CORRECTION = 5;
    /** Data columns of every symbol: about 400 modules wide, so a symbol fits the page at its module width. */
    public static final int COLUMNS = 20;

    /** One symbol: its modules (rows from the top, true for a bar) and the label printed under it. */
    public static final class Symbol
    {
        public final boolean[][] modules;
        public final String label;

        Symbol(boolean[][] modules, String label)
        {
            this.modules = modules;
            this.label = label;
        }
    }

    private BarcodeSymbols() {}

    public static List<Symbol> of(List<byte[]> blocks) throws WriterException
    {
        List<Symbol> out = new ArrayList<>();
        for (int b = 0; b < blocks.size(); ++b) {
            byte[] block = blocks.get(b);
            int parts = Math.max(1, (block.length + MOST_BYTES - 1) / MOST_BYTES);
            for (int p = 0; p < parts; ++p) {
                byte[] part = Arrays.copyOfRange(block, p * MOST_BYTES, Math.min(block.length, (p + 1) * MOST_BYTES));
                out.add(new Symbol(encode(part), "block " + (b + 1) + ", part " + (p + 1) + " of " + parts));
            }
        }
        return out;
    }

    /** One part in byte compaction: Latin-1 maps each byte to one character and back, so any byte survives. */
    static boolean[][] encode(byte[] part) throws WriterException
    {
        PDF417 pdf417 = new PDF417();
        pdf417.setCompaction(Compaction.BYTE);
        pdf417.setEncoding(StandardCharsets.ISO_8859_1);
        pdf417.setDimensions(COLUMNS, COLUMNS, 90, 3);
        pdf417.generateBarcodeLogic(new String(part, StandardCharsets.ISO_8859_1), ERROR_CORRECTION);
        byte[][] rows = pdf417.getBarcodeMatrix().getMatrix();
        // The encoder lists the rows from the bottom up.
        boolean[][] modules = new boolean[rows.length][];
        for (int y = 0; y < rows.length; ++y) {
            byte[] row = rows[rows.length - 1 - y];
            modules[y] = new boolean[row.length];
            for (int x = 0; x < row.length; ++x) modules[y][x] = row[x] == 1;
        }
        return modules;
    }
}
