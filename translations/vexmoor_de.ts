<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Calculator</name>
    <message>
        <source>backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Enter a valid number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>break-even-analysis.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Graph As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>break-even-graph.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan-schedule.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG pictures cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show as &amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the PDF file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the pages…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pages could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>No graph: the units to draw are 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even units %1. From 1 to %2 units: total costs from %3 to %4, total sales from %5 to %6, fixed costs %7. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cost and sales lines cross at %1 units, at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cost and sales lines do not cross.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units: total costs %2, total sales %3, fixed costs %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-Even Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of DataPoint = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Sales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk to Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pocket calculator, worked with the mouse or the keyboard. It always writes its point as &quot;.&quot;, whatever the region.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters: enter the expected sales units, the unit price, the variable cost per unit and the fixed costs, and calculate the break-even units, the count at which sales cover the costs. Break Even lists the analysis for every unit count; Graph draws the costs and sales.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment gives the instalment that repays a principal; Principal gives the principal that an instalment repays; for flat-rate, reducing-balance and amortized loans and eight repayment frequencies. Loan Schedule lists every instalment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links to the maker&apos;s web site, blog and Facebook page, and a new tweet to the maker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The warranty disclaimer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the next page; arriving on a page with sub-pages, also its next sub-page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back the way Ctrl+Tab goes forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+underlined letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to the control or tab with that letter, and presses a button that has the letter to itself. A letter shared by several controls moves the focus among them in turn, the page&apos;s own controls first, then a tab that leaves the page; Space presses the button reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves to the next or the previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses the button that has the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Help window; Esc closes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits, on the main row or the keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keypad point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, subtract (main row or keypad)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply, divide (main row or keypad)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square root (sqrt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reciprocal (1/x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the last digit entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the entry (CE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the calculation (C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the number on the display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastes a number into the display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the display: Copy, Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the analysis table: chooses lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the analysis table: chooses every line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the analysis table: copies the chosen lines as tab-separated columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the analysis table (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the analysis table: Show as Table, Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the graph: steps through its points, each read out with its unit count and values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the graph: Copy Graph, Save Graph As (PNG or SVG), Save as PDF, Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the schedule: chooses lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the schedule: chooses every line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the schedule: copies the chosen lines as tab-separated columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the schedule (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the schedule: Show as Table, Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the link that has the focus in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run-time failures are shown in a &quot;System Support&quot; message, and one line per failure is appended to vexmoorERR.txt: beside the program when it runs from a folder that belongs to you (a build folder, a copy of your own), otherwise in $XDG_STATE_HOME/quenbry-vexmoor/, by default ~/.local/state/quenbry-vexmoor/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quenbry - Vexmoor Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What they do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where error records go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version and licence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright 2026 Quenbry. Free software under the MIT licence: you may use, copy, change and pass it on; it comes without any warranty (see the Disclaimer page).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Sales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instalment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Loan</name>
    <message>
        <source>Term (Months):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (Weeks):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (Days):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily [1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly [7]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Weekly [14]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly [12]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Monthly [6]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly [3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-Annually [2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annually [1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End-of-Term Lump Sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Bal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Loan schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loan-schedule.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>break-even-analysis.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>QUENBRY - VEXMOOR IS PROVIDED AT NO CHARGE AND &quot;AS IS&quot;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales {i.e. expected number of units} [1]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Price {i.e. selling price} [2]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable Costs {i.e. direct costs per unit} [3]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Costs {i.e. rent/utility costs} [4]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Variable Costs [5=1x3]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Costs [6=4+5]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Revenue [7=1x2]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Profit [8=7-6]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter expected sales units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter expected sales unit price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter expected variable costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter expected fixed cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to clear the parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;lculate Break Even Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Contribution[9=2-3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break Even Units [4/9]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to view value of data point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate [Per]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (Months):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter the principal amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter the interest rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter the term in months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Select the repayment mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate &amp;Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to calculate the loan repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[M] Enter the repayment amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate &amp;Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to calculate the loan principal amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Break Even Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Break Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Break Even Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Break Even Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repayment </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Loan Repayment Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Principal </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Loan Principal Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display loan schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate and Generate Loan Schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk to Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even graph</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
