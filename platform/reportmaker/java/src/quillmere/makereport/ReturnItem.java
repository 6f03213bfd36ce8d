package quillmere.makereport;

import java.util.LinkedHashMap;
import java.util.Map;

/** One form, slip or note of a saved return: its type, identifier and stored values. */
public class ReturnItem
{
    public static final int FORM = 0, SLIP = 1, NOTE = 2;

    public final int kind;
    public final int type;
    public final int id;
    /** Stored (non-default) values by field name: String, Integer, Boolean, Double, or a date as Integer yyyymmdd in {@link #dates}. */
    public final Map<String, Object> values = new LinkedHashMap<>();
    public final Map<String, Integer> dates = new LinkedHashMap<>();

    public ReturnItem(int kind, int type, int id)
    {
        this.kind = kind;
        this.type = type;
        this.id = id;
    }

    public String text(String field)
    {
        Object v = values.get(field);
        return v == null ? "" : v.toString();
    }

    public double amount(String field)
    {
        Object v = values.get(field);
        return v instanceof Double ? (Double) v : v instanceof Integer ? (Integer) v : 0.0;
    }
}
