<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>BreakEven</name>
        <message>
            <source>&amp;Parameters</source>
            <translation>Pa&amp;ramètres</translation>
        </message>
        <message>
            <source>Calculate Break Even Units</source>
            <translation>Calculer le seuil de rentabilité en unités</translation>
        </message>
        <message>
            <source>&amp;Break Even</source>
            <translation>A&amp;nalyse</translation>
        </message>
        <message>
            <source>Display Break Even Analysis</source>
            <translation>Afficher l'analyse du seuil de rentabilité</translation>
        </message>
        <message>
            <source>&amp;Graph</source>
            <translation>&amp;Graphique</translation>
        </message>
        <message>
            <source>Display Break Even Graph</source>
            <translation>Afficher le graphique du seuil de rentabilité</translation>
        </message>
    </context>
    <context>
        <name>Calculator</name>
        <message>
            <source>backspace</source>
            <translation>retour arrière</translation>
        </message>
        <message>
            <source>clear entry</source>
            <translation>effacer la saisie</translation>
        </message>
        <message>
            <source>clear</source>
            <translation>tout effacer</translation>
        </message>
        <message>
            <source>divide</source>
            <translation>diviser</translation>
        </message>
        <message>
            <source>square root</source>
            <translation>racine carrée</translation>
        </message>
        <message>
            <source>multiply</source>
            <translation>multiplier</translation>
        </message>
        <message>
            <source>percent</source>
            <translation>pourcentage</translation>
        </message>
        <message>
            <source>subtract</source>
            <translation>soustraire</translation>
        </message>
        <message>
            <source>reciprocal</source>
            <translation>inverse</translation>
        </message>
        <message>
            <source>equals</source>
            <translation>égal</translation>
        </message>
        <message>
            <source>add</source>
            <translation>additionner</translation>
        </message>
        <message>
            <source>decimal point</source>
            <translation>point décimal</translation>
        </message>
        <message>
            <source>change sign</source>
            <translation>changer de signe</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Copier</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>Co&amp;ller</translation>
        </message>
        <message>
            <source>ERROR</source>
            <translation>ERREUR</translation>
        </message>
    </context>
    <context>
        <name>Errors</name>
        <message>
            <source>Enter a valid number.</source>
            <translation>Saisissez un nombre valide.</translation>
        </message>
        <message>
            <source>System Support</source>
            <translation>Support système</translation>
        </message>
        <message>
            <source>Invalid procedure call or argument</source>
            <translation>Appel de procédure ou argument incorrect</translation>
        </message>
        <message>
            <source>Overflow</source>
            <translation>Dépassement de capacité</translation>
        </message>
        <message>
            <source>Out of memory</source>
            <translation>Mémoire insuffisante</translation>
        </message>
        <message>
            <source>Subscript out of range</source>
            <translation>Indice hors limites</translation>
        </message>
        <message>
            <source>Division by zero</source>
            <translation>Division par zéro</translation>
        </message>
        <message>
            <source>Type mismatch</source>
            <translation>Type incompatible</translation>
        </message>
        <message>
            <source>Internal error</source>
            <translation>Erreur interne</translation>
        </message>
        <message>
            <source>Application-defined or object-defined error</source>
            <translation>Erreur définie par l'application ou par l'objet</translation>
        </message>
    </context>
    <context>
        <name>Export</name>
        <message>
            <source>break-even-analysis.csv</source>
            <translation>analyse-seuil-rentabilite.csv</translation>
        </message>
        <message>
            <source>&amp;Copy Graph</source>
            <translation>&amp;Copier le graphique</translation>
        </message>
        <message>
            <source>&amp;Save Graph As…</source>
            <translation>&amp;Enregistrer le graphique sous…</translation>
        </message>
        <message>
            <source>Save Graph As</source>
            <translation>Enregistrer le graphique sous</translation>
        </message>
        <message>
            <source>break-even-graph.png</source>
            <translation>graphique-seuil-rentabilite.png</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG image (*.svg)</source>
            <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
        </message>
        <message>
            <source>loan-schedule.csv</source>
            <translation>tableau-amortissement.csv</translation>
        </message>
        <message>
            <source>SVG pictures cannot be written (%1)</source>
            <translation>impossible d'écrire des images SVG (%1)</translation>
        </message>
        <message>
            <source>the picture could not be made</source>
            <translation>l'image n'a pas pu être créée</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Copier</translation>
        </message>
        <message>
            <source>Copy &amp;All</source>
            <translation>Copier t&amp;out</translation>
        </message>
        <message>
            <source>Show as &amp;Table</source>
            <translation>Afficher en &amp;tableau</translation>
        </message>
        <message>
            <source>&amp;Save as CSV…</source>
            <translation>&amp;Enregistrer en CSV…</translation>
        </message>
        <message>
            <source>Save as CSV</source>
            <translation>Enregistrer en CSV</translation>
        </message>
        <message>
            <source>CSV files (*.csv);;All files (*)</source>
            <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>The file "%1" could not be saved: %2.</source>
            <translation>Le fichier « %1 » n'a pas pu être enregistré : %2.</translation>
        </message>
        <message>
            <source>Save as PDF</source>
            <translation>Enregistrer en PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf);;All files (*)</source>
            <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Writing the PDF file…</source>
            <translation>Écriture du fichier PDF…</translation>
        </message>
        <message>
            <source>Preparing the pages…</source>
            <translation>Préparation des pages…</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>the pages could not be made</source>
            <translation>les pages n'ont pas pu être créées</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Imprimer</translation>
        </message>
        <message>
            <source>The report could not be printed.</source>
            <translation>Le rapport n'a pas pu être imprimé.</translation>
        </message>
        <message>
            <source>Save as P&amp;DF…</source>
            <translation>Enregistrer en P&amp;DF…</translation>
        </message>
        <message>
            <source>&amp;Print…</source>
            <translation>&amp;Imprimer…</translation>
        </message>
    </context>
    <context>
        <name>Graph</name>
        <message>
            <source>No graph: the units to draw are 0.</source>
            <translation>Pas de graphique : le nombre d'unités à représenter est 0.</translation>
        </message>
        <message>
            <source>Break-even units %1. From 1 to %2 units: total costs from %3 to %4, total sales from %5 to %6, fixed costs %7. </source>
            <translation>Seuil de rentabilité : %1 unités. De 1 à %2 unités : coûts totaux de %3 à %4, chiffre d'affaires de %5 à %6, coûts fixes %7. </translation>
        </message>
        <message>
            <source>The cost and sales lines cross at %1 units, at %2.</source>
            <translation>Les droites des coûts et du chiffre d'affaires se croisent à %1 unités, pour un montant de %2.</translation>
        </message>
        <message>
            <source>The cost and sales lines do not cross.</source>
            <translation>Les droites des coûts et du chiffre d'affaires ne se croisent pas.</translation>
        </message>
        <message>
            <source>%1 units: total costs %2, total sales %3, fixed costs %4.</source>
            <translation>%1 unités : coûts totaux %2, chiffre d'affaires %3, coûts fixes %4.</translation>
        </message>
        <message>
            <source>Break-Even Graph</source>
            <translation>Graphique du seuil de rentabilité</translation>
        </message>
        <message>
            <source>Value of DataPoint = %1</source>
            <translation>Valeur du point = %1</translation>
        </message>
        <message>
            <source>Total Costs</source>
            <translation>Coûts totaux</translation>
        </message>
        <message>
            <source>Total Sales</source>
            <translation>Chiffre d'affaires</translation>
        </message>
        <message>
            <source>Fixed Costs</source>
            <translation>Coûts fixes</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>Unités</translation>
        </message>
    </context>
    <context>
        <name>Help</name>
        <message>
            <source>Calculator</source>
            <translation>Calculatrice</translation>
        </message>
        <message>
            <source>Break Even</source>
            <translation>Seuil de rentabilité</translation>
        </message>
        <message>
            <source>Loan Calculator</source>
            <translation>Prêt</translation>
        </message>
        <message>
            <source>Talk to Us</source>
            <translation>Contact</translation>
        </message>
        <message>
            <source>Disclaimer</source>
            <translation>Avertissement</translation>
        </message>
        <message>
            <source>A pocket calculator, worked with the mouse or the keyboard. It always writes its point as ".", whatever the region.</source>
            <translation>Une calculatrice de poche, utilisable à la souris ou au clavier. Elle écrit toujours le séparateur décimal « . », quelle que soit la région.</translation>
        </message>
        <message>
            <source>Parameters: enter the expected sales units, the unit price, the variable cost per unit and the fixed costs, and calculate the break-even units, the count at which sales cover the costs. Break Even lists the analysis for every unit count; Graph draws the costs and sales.</source>
            <translation>Paramètres : saisissez le nombre d'unités vendues prévu, le prix unitaire, le coût variable unitaire et les coûts fixes, puis calculez le seuil de rentabilité, c'est-à-dire le nombre d'unités à partir duquel les ventes couvrent les coûts. Analyse présente l'analyse pour chaque nombre d'unités ; Graphique trace les coûts et les ventes.</translation>
        </message>
        <message>
            <source>Repayment gives the instalment that repays a principal; Principal gives the principal that an instalment repays; for flat-rate, reducing-balance and amortized loans and eight repayment frequencies. Loan Schedule lists every instalment.</source>
            <translation>Remboursement donne l'échéance qui rembourse un capital ; Capital donne le capital qu'une échéance rembourse ; pour les prêts à taux forfaitaire, à amortissement constant et à annuités constantes, avec huit périodicités de remboursement. Tableau d'amortissement liste toutes les échéances.</translation>
        </message>
        <message>
            <source>Links to the maker's web site, blog and Facebook page, and a new tweet to the maker.</source>
            <translation>Liens vers le site web, le blog et la page Facebook de l'éditeur, et un nouveau tweet à l'éditeur.</translation>
        </message>
        <message>
            <source>The warranty disclaimer.</source>
            <translation>L'exclusion de garantie.</translation>
        </message>
        <message>
            <source>Ctrl+Tab</source>
            <translation>Ctrl+Tab</translation>
        </message>
        <message>
            <source>Shows the next page; arriving on a page with sub-pages, also its next sub-page</source>
            <translation>Affiche la page suivante ; sur une page à sous-pages, aussi sa sous-page suivante</translation>
        </message>
        <message>
            <source>Ctrl+Shift+Tab</source>
            <translation>Ctrl+Maj+Tab</translation>
        </message>
        <message>
            <source>Goes back the way Ctrl+Tab goes forward</source>
            <translation>Revient en arrière par le chemin que Ctrl+Tab suit en avant</translation>
        </message>
        <message>
            <source>Alt+underlined letter</source>
            <translation>Alt+lettre soulignée</translation>
        </message>
        <message>
            <source>Goes to the control or tab with that letter, and presses a button that has the letter to itself. A letter shared by several controls moves the focus among them in turn, the page's own controls first, then a tab that leaves the page; Space presses the button reached</source>
            <translation>Va au contrôle ou à l'onglet portant cette lettre, et actionne un bouton qui est seul à l'avoir. Une lettre partagée par plusieurs contrôles déplace le focus de l'un à l'autre, d'abord les contrôles de la page, puis un onglet qui quitte la page ; Espace actionne le bouton atteint</translation>
        </message>
        <message>
            <source>Tab</source>
            <translation>Tab</translation>
        </message>
        <message>
            <source>Shift+Tab</source>
            <translation>Maj+Tab</translation>
        </message>
        <message>
            <source>Moves to the next or the previous control</source>
            <translation>Passe au contrôle suivant ou précédent</translation>
        </message>
        <message>
            <source>Space</source>
            <translation>Espace</translation>
        </message>
        <message>
            <source>Presses the button that has the focus</source>
            <translation>Actionne le bouton qui a le focus</translation>
        </message>
        <message>
            <source>Ctrl+Q</source>
            <translation>Ctrl+Q</translation>
        </message>
        <message>
            <source>Closes the window</source>
            <translation>Ferme la fenêtre</translation>
        </message>
        <message>
            <source>Opens the Help window; Esc closes it</source>
            <translation>Ouvre la fenêtre d'aide ; Échap la ferme</translation>
        </message>
        <message>
            <source>0 to 9</source>
            <translation>0 à 9</translation>
        </message>
        <message>
            <source>Digits, on the main row or the keypad</source>
            <translation>Chiffres, sur la rangée principale ou le pavé numérique</translation>
        </message>
        <message>
            <source>keypad point</source>
            <translation>point du pavé numérique</translation>
        </message>
        <message>
            <source>Decimal point</source>
            <translation>Point décimal</translation>
        </message>
        <message>
            <source>Add, subtract (main row or keypad)</source>
            <translation>Additionner, soustraire (rangée principale ou pavé numérique)</translation>
        </message>
        <message>
            <source>Multiply, divide (main row or keypad)</source>
            <translation>Multiplier, diviser (rangée principale ou pavé numérique)</translation>
        </message>
        <message>
            <source>Enter</source>
            <translation>Entrée</translation>
        </message>
        <message>
            <source>Equals</source>
            <translation>Égal</translation>
        </message>
        <message>
            <source>Square root (sqrt)</source>
            <translation>Racine carrée (sqrt)</translation>
        </message>
        <message>
            <source>Percent (%)</source>
            <translation>Pourcentage (%)</translation>
        </message>
        <message>
            <source>Reciprocal (1/x)</source>
            <translation>Inverse (1/x)</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Retour arrière</translation>
        </message>
        <message>
            <source>Removes the last digit entered</source>
            <translation>Supprime le dernier chiffre saisi</translation>
        </message>
        <message>
            <source>Del</source>
            <translation>Suppr</translation>
        </message>
        <message>
            <source>Clears the entry (CE)</source>
            <translation>Efface la saisie (CE)</translation>
        </message>
        <message>
            <source>Esc</source>
            <translation>Échap</translation>
        </message>
        <message>
            <source>Clears the calculation (C)</source>
            <translation>Efface le calcul (C)</translation>
        </message>
        <message>
            <source>Ctrl+C</source>
            <translation>Ctrl+C</translation>
        </message>
        <message>
            <source>Ctrl+Insert</source>
            <translation>Ctrl+Inser</translation>
        </message>
        <message>
            <source>Copies the number on the display</source>
            <translation>Copie le nombre affiché</translation>
        </message>
        <message>
            <source>Ctrl+V</source>
            <translation>Ctrl+V</translation>
        </message>
        <message>
            <source>Shift+Insert</source>
            <translation>Maj+Inser</translation>
        </message>
        <message>
            <source>Pastes a number into the display</source>
            <translation>Colle un nombre dans l'affichage</translation>
        </message>
        <message>
            <source>Right click</source>
            <translation>Clic droit</translation>
        </message>
        <message>
            <source>On the display: Copy, Paste</source>
            <translation>Sur l'affichage : Copier, Coller</translation>
        </message>
        <message>
            <source>Shift+arrows</source>
            <translation>Maj+flèches</translation>
        </message>
        <message>
            <source>Ctrl+Space</source>
            <translation>Ctrl+Espace</translation>
        </message>
        <message>
            <source>In the analysis table: chooses lines</source>
            <translation>Dans le tableau d'analyse : sélectionne des lignes</translation>
        </message>
        <message>
            <source>Ctrl+A</source>
            <translation>Ctrl+A</translation>
        </message>
        <message>
            <source>In the analysis table: chooses every line</source>
            <translation>Dans le tableau d'analyse : sélectionne toutes les lignes</translation>
        </message>
        <message>
            <source>In the analysis table: copies the chosen lines as tab-separated columns</source>
            <translation>Dans le tableau d'analyse : copie les lignes sélectionnées en colonnes séparées par des tabulations</translation>
        </message>
        <message>
            <source>Menu</source>
            <translation>Menu</translation>
        </message>
        <message>
            <source>Shift+F10</source>
            <translation>Maj+F10</translation>
        </message>
        <message>
            <source>In the analysis table (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print</source>
            <translation>Dans le tableau d'analyse (ou par clic droit) : Copier, Copier tout, Afficher en tableau, Enregistrer en CSV, Enregistrer en PDF, Imprimer</translation>
        </message>
        <message>
            <source>Ctrl+T</source>
            <translation>Ctrl+T</translation>
        </message>
        <message>
            <source>Ctrl+P</source>
            <translation>Ctrl+P</translation>
        </message>
        <message>
            <source>In the analysis table: Show as Table, Print</source>
            <translation>Dans le tableau d'analyse : Afficher en tableau, Imprimer</translation>
        </message>
        <message>
            <source>Arrows</source>
            <translation>Flèches</translation>
        </message>
        <message>
            <source>Home</source>
            <translation>Début</translation>
        </message>
        <message>
            <source>End</source>
            <translation>Fin</translation>
        </message>
        <message>
            <source>On the graph: steps through its points, each read out with its unit count and values</source>
            <translation>Sur le graphique : parcourt ses points, chacun lu avec son nombre d'unités et ses valeurs</translation>
        </message>
        <message>
            <source>On the graph: Copy Graph, Save Graph As (PNG or SVG), Save as PDF, Print</source>
            <translation>Sur le graphique : Copier le graphique, Enregistrer le graphique sous (PNG ou SVG), Enregistrer en PDF, Imprimer</translation>
        </message>
        <message>
            <source>In the schedule: chooses lines</source>
            <translation>Dans le tableau d'amortissement : sélectionne des lignes</translation>
        </message>
        <message>
            <source>In the schedule: chooses every line</source>
            <translation>Dans le tableau d'amortissement : sélectionne toutes les lignes</translation>
        </message>
        <message>
            <source>In the schedule: copies the chosen lines as tab-separated columns</source>
            <translation>Dans le tableau d'amortissement : copie les lignes sélectionnées en colonnes séparées par des tabulations</translation>
        </message>
        <message>
            <source>In the schedule (or a right click): Copy, Copy All, Show as Table, Save as CSV, Save as PDF, Print</source>
            <translation>Dans le tableau d'amortissement (ou par clic droit) : Copier, Copier tout, Afficher en tableau, Enregistrer en CSV, Enregistrer en PDF, Imprimer</translation>
        </message>
        <message>
            <source>In the schedule: Show as Table, Print</source>
            <translation>Dans le tableau d'amortissement : Afficher en tableau, Imprimer</translation>
        </message>
        <message>
            <source>Opens the link that has the focus in the web browser</source>
            <translation>Ouvre dans le navigateur web le lien qui a le focus</translation>
        </message>
        <message>
            <source>Run-time failures are shown in a "System Support" message, and one line per failure is appended to vexmoorERR.txt: beside the program when it runs from a folder that belongs to you (a build folder, a copy of your own), otherwise in $XDG_STATE_HOME/quenbry-vexmoor/, by default ~/.local/state/quenbry-vexmoor/.</source>
            <translation>Les erreurs d'exécution sont signalées dans un message « Support système », et une ligne par erreur est ajoutée à vexmoorERR.txt : à côté du programme s'il est lancé depuis un dossier qui vous appartient (un dossier de compilation, votre propre copie), sinon dans $XDG_STATE_HOME/quenbry-vexmoor/, par défaut ~/.local/state/quenbry-vexmoor/.</translation>
        </message>
        <message>
            <source>Quenbry - Vexmoor Help</source>
            <translation>Aide de Quenbry - Vexmoor</translation>
        </message>
        <message>
            <source>Keyboard</source>
            <translation>Clavier</translation>
        </message>
        <message>
            <source>The pages</source>
            <translation>Les pages</translation>
        </message>
        <message>
            <source>Keys</source>
            <translation>Touches</translation>
        </message>
        <message>
            <source>What they do</source>
            <translation>Action</translation>
        </message>
        <message>
            <source>Page</source>
            <translation>Page</translation>
        </message>
        <message>
            <source> or </source>
            <translation> ou </translation>
        </message>
        <message>
            <source>Where error records go</source>
            <translation>Où sont consignées les erreurs</translation>
        </message>
        <message>
            <source>Version and licence</source>
            <translation>Version et licence</translation>
        </message>
        <message>
            <source>Copyright 2026 Quenbry. Free software under the MIT licence: you may use, copy, change and pass it on; it comes without any warranty (see the Disclaimer page).</source>
            <translation>Copyright 2026 Quenbry. Logiciel libre sous licence MIT : vous pouvez l'utiliser, le copier, le modifier et le redistribuer ; il est fourni sans aucune garantie (voir la page « Avertissement »).</translation>
        </message>
        <message>
            <source>Every page</source>
            <translation>Toutes les pages</translation>
        </message>
    </context>
    <context>
        <name>Lists</name>
        <message>
            <source>Units</source>
            <translation>Unités</translation>
        </message>
        <message>
            <source>Total Costs</source>
            <translation>Coûts totaux</translation>
        </message>
        <message>
            <source>Total Sales</source>
            <translation>Chiffre d'affaires</translation>
        </message>
        <message>
            <source>Profit</source>
            <translation>Bénéfice</translation>
        </message>
        <message>
            <source>Balance</source>
            <translation>Capital restant dû</translation>
        </message>
        <message>
            <source>Instalment</source>
            <translation>Échéance</translation>
        </message>
        <message>
            <source>Principal</source>
            <translation>Amortissement</translation>
        </message>
        <message>
            <source>Interest</source>
            <translation>Intérêts</translation>
        </message>
        <message>
            <source>Totals :</source>
            <translation>Totaux :</translation>
        </message>
    </context>
    <context>
        <name>Loan</name>
        <message>
            <source>Term (Months):</source>
            <translation>Durée (mois) :</translation>
        </message>
        <message>
            <source>Term (Weeks):</source>
            <translation>Durée (semaines) :</translation>
        </message>
        <message>
            <source>Term (Days):</source>
            <translation>Durée (jours) :</translation>
        </message>
        <message>
            <source>Daily [1]</source>
            <translation>Quotidien [1]</translation>
        </message>
        <message>
            <source>Weekly [7]</source>
            <translation>Hebdomadaire [7]</translation>
        </message>
        <message>
            <source>Bi-Weekly [14]</source>
            <translation>Par quinzaine [14]</translation>
        </message>
        <message>
            <source>Monthly [12]</source>
            <translation>Mensuel [12]</translation>
        </message>
        <message>
            <source>Bi-Monthly [6]</source>
            <translation>Bimestriel [6]</translation>
        </message>
        <message>
            <source>Quarterly [3]</source>
            <translation>Trimestriel [3]</translation>
        </message>
        <message>
            <source>Semi-Annually [2]</source>
            <translation>Semestriel [2]</translation>
        </message>
        <message>
            <source>Annually [1]</source>
            <translation>Annuel [1]</translation>
        </message>
        <message>
            <source>End-of-Term Lump Sum</source>
            <translation>Capital in fine</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mois</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Année</translation>
        </message>
        <message>
            <source>Day</source>
            <translation>Jour</translation>
        </message>
        <message>
            <source>Week</source>
            <translation>Semaine</translation>
        </message>
        <message>
            <source>Flat Rate</source>
            <translation>Taux forfaitaire</translation>
        </message>
        <message>
            <source>Red Bal</source>
            <translation>Amort. constant</translation>
        </message>
        <message>
            <source>Amortize</source>
            <translation>Annuités</translation>
        </message>
        <message>
            <source>&amp;Repayment </source>
            <translation>&amp;Remboursement </translation>
        </message>
        <message>
            <source>Calculate Loan Repayment Amount</source>
            <translation>Calculer le montant de l'échéance</translation>
        </message>
        <message>
            <source>&amp;Principal </source>
            <translation>Cap&amp;ital </translation>
        </message>
        <message>
            <source>Calculate Loan Principal Amount</source>
            <translation>Calculer le capital emprunté</translation>
        </message>
        <message>
            <source>&amp;Loan Schedule</source>
            <translation>&amp;Tableau d'amortissement</translation>
        </message>
        <message>
            <source>Display loan schedule</source>
            <translation>Afficher le tableau d'amortissement</translation>
        </message>
    </context>
    <context>
        <name>Report</name>
        <message>
            <source>Loan schedule</source>
            <translation>Tableau d'amortissement</translation>
        </message>
        <message>
            <source>loan-schedule.pdf</source>
            <translation>tableau-amortissement.pdf</translation>
        </message>
        <message>
            <source>Break-even analysis</source>
            <translation>Analyse du seuil de rentabilité</translation>
        </message>
        <message>
            <source>break-even-analysis.pdf</source>
            <translation>analyse-seuil-rentabilite.pdf</translation>
        </message>
        <message>
            <source>%1 as of %2</source>
            <translation>%1 au %2</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Page %1 sur %2</translation>
        </message>
    </context>
    <context>
        <name>Window</name>
        <message>
            <source>QUENBRY - VEXMOOR IS PROVIDED AT NO CHARGE AND "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT.</source>
            <translation>QUENBRY - VEXMOOR EST FOURNI GRATUITEMENT ET « EN L'ÉTAT », SANS GARANTIE D'AUCUNE SORTE, EXPRESSE OU IMPLICITE, Y COMPRIS, MAIS SANS S'Y LIMITER, LES GARANTIES DE QUALITÉ MARCHANDE, D'ADÉQUATION À UN USAGE PARTICULIER ET D'ABSENCE DE CONTREFAÇON.</translation>
        </message>
        <message>
            <source>Backspace</source>
            <translation>Retour arrière</translation>
        </message>
        <message>
            <source>Sales {i.e. expected number of units} [1]:</source>
            <translation>Ventes {c.-à-d. nombre d'unités prévu} [1] :</translation>
        </message>
        <message>
            <source>Unit Price {i.e. selling price} [2]:</source>
            <translation>Prix unitaire {c.-à-d. prix de vente} [2] :</translation>
        </message>
        <message>
            <source>Variable Costs {i.e. direct costs per unit} [3]:</source>
            <translation>Coûts variables {coûts directs par unité} [3] :</translation>
        </message>
        <message>
            <source>Fixed Costs {i.e. rent/utility costs} [4]:</source>
            <translation>Coûts fixes {p. ex. loyer, charges} [4] :</translation>
        </message>
        <message>
            <source>Total Variable Costs [5=1x3]:</source>
            <translation>Coûts variables totaux [5=1x3] :</translation>
        </message>
        <message>
            <source>Total Costs [6=4+5]:</source>
            <translation>Coûts totaux [6=4+5] :</translation>
        </message>
        <message>
            <source>Total Revenue [7=1x2]:</source>
            <translation>Chiffre d'affaires [7=1x2] :</translation>
        </message>
        <message>
            <source>Total Profit [8=7-6]:</source>
            <translation>Bénéfice total [8=7-6] :</translation>
        </message>
        <message>
            <source>[M] Enter expected sales units</source>
            <translation>[M] Saisissez le nombre d'unités vendues prévu</translation>
        </message>
        <message>
            <source>[M] Enter expected sales unit price</source>
            <translation>[M] Saisissez le prix de vente unitaire prévu</translation>
        </message>
        <message>
            <source>[M] Enter expected variable costs</source>
            <translation>[M] Saisissez les coûts variables unitaires prévus</translation>
        </message>
        <message>
            <source>[M] Enter expected fixed cost</source>
            <translation>[M] Saisissez les coûts fixes prévus</translation>
        </message>
        <message>
            <source>&amp;Clear</source>
            <translation>&amp;Effacer</translation>
        </message>
        <message>
            <source>Click to clear the parameters</source>
            <translation>Cliquez pour effacer les paramètres</translation>
        </message>
        <message>
            <source>Ca&amp;lculate Break Even Units</source>
            <translation>Calc&amp;uler le seuil de rentabilité</translation>
        </message>
        <message>
            <source>Unit Contribution[9=2-3]</source>
            <translation>Marge unitaire [9=2-3]</translation>
        </message>
        <message>
            <source>Break Even Units [4/9]:</source>
            <translation>Seuil de rentabilité [4/9] :</translation>
        </message>
        <message>
            <source>Click to view value of data point</source>
            <translation>Cliquez pour afficher la valeur d'un point</translation>
        </message>
        <message>
            <source>Principal Amount:</source>
            <translation>Capital emprunté :</translation>
        </message>
        <message>
            <source>Loan Type:</source>
            <translation>Type de prêt :</translation>
        </message>
        <message>
            <source>Interest Rate (%):</source>
            <translation>Taux d'intérêt (%) :</translation>
        </message>
        <message>
            <source>Interest Rate [Per]:</source>
            <translation>Taux d'intérêt [par] :</translation>
        </message>
        <message>
            <source>Term (Months):</source>
            <translation>Durée (mois) :</translation>
        </message>
        <message>
            <source>Repayment Mode:</source>
            <translation>Mode de remboursement :</translation>
        </message>
        <message>
            <source>Repayment Amount:</source>
            <translation>Montant de l'échéance :</translation>
        </message>
        <message>
            <source>[M] Enter the principal amount</source>
            <translation>[M] Saisissez le capital emprunté</translation>
        </message>
        <message>
            <source>[M] Enter the interest rate</source>
            <translation>[M] Saisissez le taux d'intérêt</translation>
        </message>
        <message>
            <source>[M] Enter the term in months</source>
            <translation>[M] Saisissez la durée en mois</translation>
        </message>
        <message>
            <source>[M] Select the repayment mode</source>
            <translation>[M] Choisissez le mode de remboursement</translation>
        </message>
        <message>
            <source>Calculate &amp;Repayment</source>
            <translation>Calc&amp;uler l'échéance</translation>
        </message>
        <message>
            <source>Click to calculate the loan repayment</source>
            <translation>Cliquez pour calculer l'échéance du prêt</translation>
        </message>
        <message>
            <source>[M] Enter the repayment amount</source>
            <translation>[M] Saisissez le montant de l'échéance</translation>
        </message>
        <message>
            <source>Calculate &amp;Principal</source>
            <translation>Calc&amp;uler le capital</translation>
        </message>
        <message>
            <source>Click to calculate the loan principal amount</source>
            <translation>Cliquez pour calculer le capital emprunté</translation>
        </message>
        <message>
            <source>blog</source>
            <translation>blog</translation>
        </message>
        <message>
            <source>Calculate Break Even Units</source>
            <translation>Calculer le seuil de rentabilité en unités</translation>
        </message>
        <message>
            <source>&amp;Break Even</source>
            <translation>&amp;Seuil de rentabilité</translation>
        </message>
        <message>
            <source>&amp;Calculator</source>
            <translation>&amp;Calculatrice</translation>
        </message>
        <message>
            <source>Standard Calculator</source>
            <translation>Calculatrice standard</translation>
        </message>
        <message>
            <source>&amp;Loan Calculator</source>
            <translation>&amp;Prêt</translation>
        </message>
        <message>
            <source>Calculate and Generate Loan Schedules</source>
            <translation>Calculer des prêts et établir leur tableau d'amortissement</translation>
        </message>
        <message>
            <source>Talk to Us</source>
            <translation>Contact</translation>
        </message>
        <message>
            <source>&amp;Disclaimer</source>
            <translation>&amp;Avertissement</translation>
        </message>
        <message>
            <source>Break-even analysis</source>
            <translation>Analyse du seuil de rentabilité</translation>
        </message>
        <message>
            <source>Loan schedule</source>
            <translation>Tableau d'amortissement</translation>
        </message>
        <message>
            <source>Break-even graph</source>
            <translation>Graphique du seuil de rentabilité</translation>
        </message>
        <message>
            <source>Display</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>Quenbry software</source>
            <translation>Logiciels Quenbry</translation>
        </message>
    </context>
</TS>
