package quillmere.makereport;

/**
 * Why a return was saved without barcode blocks, for the one line the
 * condensed print gives it. Whether a return has a barcode is what its saved
 * file holds; this only names the cause, taking the program's tests in the
 * order it takes them (a T1; a social insurance number that is there, not all
 * zeros, passes its check and does not begin with 0; no move out of or into
 * Canada during the year).
 */
public final class NoBarcodeReason
{
    static final int TAX_YEAR = 2021;

    private NoBarcodeReason() {}

    /** The line printed in place of the symbols. */
    public static String line(ReturnItem t1)
    {
        return "This return gets no barcode: " + why(t1) + ".";
    }

    static String why(ReturnItem t1)
    {
        if (t1 == null) return "it has no T1";
        String sin = t1.text("sin").replaceAll("[ -]", "");
        if (sin.isEmpty()) return "the T1 has no social insurance number";
        if (sin.equals("000000000")) return "its social insurance number is 000 000 000";
        if (!passesCheck(sin)) return "its social insurance number is not a valid one (nine digits that pass the check digit)";
        if (sin.startsWith("0")) return "its social insurance number begins with 0";
        if (yearOf(t1, "date_of_departure") == TAX_YEAR)
            return "the person left Canada in " + TAX_YEAR + " (a date of departure is on the T1)";
        if (yearOf(t1, "date_of_entry") == TAX_YEAR)
            return "the person came to Canada in " + TAX_YEAR + " (a date of entry is on the T1)";
        return "the saved return file holds no barcode data for this person; save the return and print again";
    }

    /** Nine digits whose weighted sum (every second digit doubled) ends in 0. */
    static boolean passesCheck(String sin)
    {
        if (sin.length() != 9) return false;
        int sum = 0;
        for (int i = 0; i < 9; ++i) {
            char c = sin.charAt(i);
            if (c < '0' || c > '9') return false;
            int d = c - '0';
            if (i % 2 == 1) {
                d *= 2;
                if (d > 9) d -= 9;
            }
            sum += d;
        }
        return sum % 10 == 0;
    }

    static int yearOf(ReturnItem t1, String field)
    {
        Integer d = t1.dates.get(field);
        return d == null ? 0 : d / 10000;
    }
}
