package quillmere.barcodereader;

import java.awt.image.BufferedImage;
import java.io.File;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Base64;
import java.util.EnumMap;
import java.util.List;
import java.util.Map;

import org.apache.pdfbox.pdmodel.PDDocument;
import org.apache.pdfbox.rendering.ImageType;
import org.apache.pdfbox.rendering.PDFRenderer;

import com.google.zxing.BinaryBitmap;
import com.google.zxing.DecodeHintType;
import com.google.zxing.NotFoundException;
import com.google.zxing.RGBLuminanceSource;
import com.google.zxing.Result;
import com.google.zxing.ResultMetadataType;
import com.google.zxing.ResultPoint;
import com.google.zxing.common.HybridBinarizer;
import com.google.zxing.pdf417.PDF417Reader;

/**
 * Reads a printed PDF back as a scanner would: each page rendered at 300 dpi,
 * every PDF417 symbol on it decoded. One line per symbol, in reading order:
 * page, top edge in dots, module width in dots (the start pattern's first
 * bar is eight modules wide), error-correction level, the bytes in Base64.
 */
public final class ReadSymbols
{
    public static void main(String[] args) throws Exception
    {
        try (PDDocument doc = PDDocument.load(new File(args[0]))) {
            PDFRenderer renderer = new PDFRenderer(doc);
            Map<DecodeHintType, Object> hints = new EnumMap<>(DecodeHintType.class);
            hints.put(DecodeHintType.TRY_HARDER, Boolean.TRUE);
            for (int page = 0; page < doc.getNumberOfPages(); ++page) {
                BufferedImage image = renderer.renderImageWithDPI(page, 300, ImageType.RGB);
                int w = image.getWidth(), h = image.getHeight();
                int[] pixels = image.getRGB(0, 0, w, h, null, 0, w);
                Result[] found;
                try {
                    found = new PDF417Reader().decodeMultiple(
                        new BinaryBitmap(new HybridBinarizer(new RGBLuminanceSource(w, h, pixels))), hints);
                } catch (NotFoundException e) {
                    continue;
                }
                List<Result> sorted = new ArrayList<>(List.of(found));
                sorted.sort((a, b) -> Float.compare(top(a), top(b)));
                for (Result r : sorted) {
                    byte[] bytes = r.getText().getBytes(StandardCharsets.ISO_8859_1);
                    Object level = r.getResultMetadata() == null ? null
                        : r.getResultMetadata().get(ResultMetadataType.ERROR_CORRECTION_LEVEL);
                    System.out.println((page + 1) + " " + (int) top(r) + " " + module(image, r) + " " + level + " "
                                       + Base64.getEncoder().encodeToString(bytes));
                }
            }
        }
    }

    /** The width of the first dark run on a line a little below the symbol's top, over eight. */
    static double module(BufferedImage image, Result r)
    {
        int y = Math.min(image.getHeight() - 1, (int) top(r) + 6);
        int x = 0;
        while (x < image.getWidth() && !dark(image.getRGB(x, y))) ++x;
        int start = x;
        while (x < image.getWidth() && dark(image.getRGB(x, y))) ++x;
        return (x - start) / 8.0;
    }

    static boolean dark(int rgb)
    {
        return ((rgb >> 16 & 0xff) + (rgb >> 8 & 0xff) + (rgb & 0xff)) / 3 < 128;
    }

    static float top(Result r)
    {
        float top = Float.MAX_VALUE;
        for (ResultPoint p : r.getResultPoints())
            if (p != null) top = Math.min(top, p.getY());
        return top;
    }
}
