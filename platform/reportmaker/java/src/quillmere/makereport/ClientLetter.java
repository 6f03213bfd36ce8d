package quillmere.makereport;

import java.time.LocalDate;

/** The client letter and the invoice, printed around the return's forms. */
final class ClientLetter
{
    private ClientLetter() {}

    static String preparer(ReturnFile.Person p)
    {
        ReturnItem summary = p.firstForm(ReportMaker.SUMMARY);
        if (summary != null && !summary.text("preparer_name").isEmpty()) return summary.text("preparer_name");
        for (ReturnItem f : p.forms)
            if (!f.text("preparer_name").isEmpty()) return f.text("preparer_name");
        return "Your tax preparer";
    }

    static void write(ReportPdf pdf, ReturnFile.Person p, String name)
    {
        ReturnItem t1 = p.firstForm(ReportMaker.T1);
        double refund = t1 == null ? 0 : t1.amount("48400");
        double owing = t1 == null ? 0 : t1.amount("48500");
        pdf.titleBand("Letter", "Your 2021 income tax and benefit return");
        pdf.paragraph("Dear " + (name.isEmpty() ? "client" : name) + ",");
        pdf.paragraph("Your 2021 income tax and benefit return has been prepared. The pages that follow are your copy.");
        if (refund > 0)
            pdf.paragraph("Your return shows a refund of $" + ReportPdf.money(refund) + ".");
        else if (owing > 0)
            pdf.paragraph("Your return shows a balance owing of $" + ReportPdf.money(owing)
                          + ". Please pay it by April 30, 2022.");
        else
            pdf.paragraph("Your return shows neither a refund nor a balance owing.");
        pdf.paragraph("Yours truly,");
        pdf.paragraph(preparer(p));
    }

    static void invoice(ReportPdf pdf, ReturnFile.Person p, String name, LocalDate date)
    {
        pdf.titleBand("Invoice", "Tax preparation services");
        pdf.paragraph("Date: " + date);
        pdf.paragraph("Bill to: " + name);
        pdf.paragraph("From: " + preparer(p));
        pdf.line("", "Preparation of the 2021 income tax and benefit return", "", false);
        pdf.line("", "Forms and schedules prepared", Integer.toString(p.forms.size()), false);
        pdf.line("", "Slips entered", Integer.toString(p.slips.size()), false);
    }
}
