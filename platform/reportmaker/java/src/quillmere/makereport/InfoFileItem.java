package quillmere.makereport;

/** One form type as the generated type table lists it. */
public class InfoFileItem
{
    public final int nFormType;
    public final String longName;
    /** The text the form is filed under: the name of its generated class. */
    public final String fileText;
    public final String xmlName;

    public InfoFileItem(int type, String longName, String fileText, String xmlName)
    {
        this.nFormType = type;
        this.longName = longName;
        this.fileText = fileText;
        this.xmlName = xmlName;
    }
}
