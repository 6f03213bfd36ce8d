package quillmere.makereport;

import java.lang.reflect.Field;
import java.lang.reflect.Modifier;

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

    private ItemLayout(String name, String title, String javaId, String[][] rows)
    {
        this.name = name;
        this.title = title;
        this.javaId = javaId;
        this.rows = rows;
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
            return new ItemLayout(name, title, javaId, rows);
        } catch (ReflectiveOperationException | ClassCastException e) {
            return null;
        }
    }
}
