package quillmere.makereport;

import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.util.HashMap;
import java.util.Map;

/**
 * How one form, slip or note is printed: its title and its layout rows, as
 * the generated class of its type holds them (kind letter, field, number,
 * label, choices, "c" for a calculated line).
 */
public class ItemLayout
{
    public final String name;
    public final String title;
    public final String javaId;
    public final String[][] rows;
    /** Starting values that are not empty, by field name: a return file stores only values that differ from them. */
    private final Map<String, Object> initials = new HashMap<>();

    private ItemLayout(String name, String title, String javaId, String[][] rows, String[][] defaults)
    {
        this.name = name;
        this.title = title;
        this.javaId = javaId;
        this.rows = rows;
        for (String[] d : defaults) {
            try {
                switch (d[1]) {
                case "int": initials.put(d[0], Integer.valueOf(d[2])); break;
                case "float": initials.put(d[0], Double.valueOf(d[2])); break;
                case "bool": initials.put(d[0], !"0".equals(d[2])); break;
                default: initials.put(d[0], d[2]); break;
                }
            } catch (NumberFormatException e) {
                // a starting value the type cannot hold is left out
            }
        }
    }

    /** A field's value as the page shows it: the stored one, else its starting value; null when it has neither. */
    public Object value(ReturnItem item, String field)
    {
        Object v = item.values.get(field);
        return v != null ? v : initials.get(field);
    }

    /** The layout of an item, or null when no class was generated for its type. */
    public static ItemLayout of(ReturnItem item)
    {
        switch (item.kind) {
        case ReturnItem.FORM: {
            InfoFileItem info = TaxFormType.getFormTypeInfo(item.type);
            return info == null ? null : load(info.fileText, info.longName);
        }
        case ReturnItem.SLIP: {
            String id = slipJavaId(item.type);
            return id == null ? null : load(id, "");
        }
        default:
            return load("NoteData_General", "");
        }
    }

    static String slipJavaId(int type)
    {
        for (Field f : SlipDataType.class.getDeclaredFields()) {
            if (!Modifier.isStatic(f.getModifiers()) || !f.getName().startsWith("CONST_")) continue;
            try {
                if (f.getInt(null) == type) return f.getName().substring(6);
            } catch (IllegalAccessException e) {
                return null;
            }
        }
        return null;
    }

    private static ItemLayout load(String javaId, String title)
    {
        try {
            Class<?> c = Class.forName("quillmere.makereport." + javaId);
            String[][] rows = (String[][]) c.getField("LAYOUT").get(null);
            String name = (String) c.getField("NAME").get(null);
            String[][] defaults;
            try {
                defaults = (String[][]) c.getField("DEFAULTS").get(null);
            } catch (NoSuchFieldException e) {
                defaults = new String[0][];
            }
            return new ItemLayout(name, title, javaId, rows, defaults);
        } catch (ReflectiveOperationException | ClassCastException e) {
            return null;
        }
    }
}
