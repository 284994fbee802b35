<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Sobre o Vorlint</source>
        <translation>About Vorlint</translation>
    </message>
    <message>
        <source>Vorlint Version %1</source>
        <translation>Vorlint Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CActiveWindowReadout</name>
    <message>
        <source>A amostra mais nova da janela ativa (set point, point e potência), o tempo simulado desde o início da execução e os passos que ela realmente deu por segundo, contados no último segundo (o CPS do painel é o inverso do tempo de cálculo de um só passo).</source>
        <translation>The active window&apos;s newest sample (set point, point and power), the simulated time since the run began and the steps it really made per second, counted over the last second (the panel&apos;s CPS is the inverse of the time one step takes to compute).</translation>
    </message>
    <message>
        <source>SetPoint %1   Point %2   Potência %3   Tempo %4   %5 passos/s</source>
        <translation>SetPoint %1   Point %2   Power %3   Time %4   %5 steps/s</translation>
    </message>
</context>
<context>
    <name>CBodePlot</name>
    <message>
        <source>Diagrama de Bode da malha linearizada no ponto de operação: magnitude em dB e fase em graus em função de ω (rad/s, escala logarítmica) até a frequência de Nyquist π/dt.</source>
        <translation>Bode plot of the loop linearised at the operating point: magnitude in dB and phase in degrees against ω (rad/s, logarithmic scale) up to the Nyquist frequency π/dt.</translation>
    </message>
    <message>
        <source>MF = %1</source>
        <translation>PM = %1</translation>
    </message>
    <message>
        <source>MG = %1</source>
        <translation>GM = %1</translation>
    </message>
    <message>
        <source>Magnitude (dB)</source>
        <translation>Magnitude (dB)</translation>
    </message>
    <message>
        <source>Fase (°)</source>
        <translation>Phase (°)</translation>
    </message>
    <message>
        <source>ω (rad/s)</source>
        <translation>ω (rad/s)</translation>
    </message>
    <message>
        <source>Planta G</source>
        <translation>Plant G</translation>
    </message>
    <message>
        <source>Malha L = C·G</source>
        <translation>Loop L = C·G</translation>
    </message>
</context>
<context>
    <name>CChecksTable</name>
    <message>
        <source>Figura</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Mínimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Janela</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Vazio ou 0: todas as janelas</source>
        <translation>Empty or 0: every window</translation>
    </message>
    <message>
        <source>Verificação %1: %2</source>
        <translation>Check %1: %2</translation>
    </message>
    <message>
        <source>um limite não é um número</source>
        <translation>a limit is not a number</translation>
    </message>
    <message>
        <source>a janela deve ser um número inteiro de 0 a %1 (vazio ou 0: todas)</source>
        <translation>the window must be a whole number from 0 to %1 (empty or 0: every window)</translation>
    </message>
    <message>
        <source>o mínimo passa do máximo</source>
        <translation>the minimum is above the maximum</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>Exportar gráfico...</source>
        <translation>Export chart...</translation>
    </message>
    <message>
        <source>Salva o gráfico da janela ativa como imagem PNG, desenho SVG ou documento PDF
Exportar gráfico</source>
        <translation>Saves the active window&apos;s chart as a PNG image, an SVG drawing or a PDF document
Export chart</translation>
    </message>
    <message>
        <source>Exportar dados...</source>
        <translation>Export data...</translation>
    </message>
    <message>
        <source>Salva o histórico da janela ativa como tabela CSV (ponto decimal)
Exportar dados</source>
        <translation>Saves the active window&apos;s history as a CSV table (decimal point)
Export data</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Cut the selection and put it on the Clipboard
Cut</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the chart and its data (CSV) to the Clipboard
Copy</source>
        <translation>Copy the chart and its data (CSV) to the Clipboard
Copy</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insert Clipboard contents
Paste</translation>
    </message>
    <message>
        <source>&amp;Iniciar</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>
Iniciar</source>
        <translation>
Start</translation>
    </message>
    <message>
        <source>&amp;Parar</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>
Parar</source>
        <translation>
Stop</translation>
    </message>
    <message>
        <source>&amp;Expressão...</source>
        <translation>&amp;Plant formula...</translation>
    </message>
    <message>
        <source>
Expressão</source>
        <translation>
Plant formula</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>Cores de alto contraste</source>
        <translation>High-contrast colours</translation>
    </message>
    <message>
        <source>Desenha os gráficos em cores que se distinguem mesmo com daltonismo e se leem sobre o branco
Cores de alto contraste</source>
        <translation>Draws the charts in colours that stay apart even with colour blindness and read well on white
High-contrast colours</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Mostra o tempo simulado e as escalas de valores nos gráficos
Escala</source>
        <translation>Shows the simulated time and the value scales on the charts
Scale</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Step response</translation>
    </message>
    <message>
        <source>Mostra as medidas da resposta ao último degrau do set point na janela ativa
Resposta ao degrau</source>
        <translation>Shows the figures of the response to the latest set-point step in the active window
Step response</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Open another window for the active document
New Window</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Arrange windows so they overlap
Cascade Windows</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Arrange windows as non-overlapping tiles
Tile Windows</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Arrange icons at the bottom of the window
Arrange Icons</translation>
    </message>
    <message>
        <source>&amp;About Vorlint...</source>
        <translation>&amp;About Vorlint...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Switch to the next window pane
Next Pane</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Switch back to the previous window pane
Previous Pane</translation>
    </message>
    <message>
        <source>Planta e &amp;controlador...</source>
        <translation>Plant and &amp;controller...</translation>
    </message>
    <message>
        <source>Edita a perturbação, o tempo morto e os atrasos da planta e as opções do PID da janela ativa
Planta e controlador</source>
        <translation>Edits the active window&apos;s plant disturbance, dead time and lags and its PID options
Plant and controller</translation>
    </message>
    <message>
        <source>&amp;Sintonia...</source>
        <translation>&amp;Tuning...</translation>
    </message>
    <message>
        <source>Identifica a planta da janela ativa com um relé ou um degrau e compara as regras de sintonia
Sintonia</source>
        <translation>Identifies the active window&apos;s plant with a relay or a step and compares the tuning rules
Tuning</translation>
    </message>
    <message>
        <source>&amp;Degrau de set point...	Ctrl+D</source>
        <translation>Set-point st&amp;ep...	Ctrl+D</translation>
    </message>
    <message>
        <source>Muda o set point da janela ativa de uma só vez, no próximo passo
Degrau de set point</source>
        <translation>Changes the active window&apos;s set point at once, at the next step
Set-point step</translation>
    </message>
    <message>
        <source>Comparar respostas...</source>
        <translation>Compare Responses...</translation>
    </message>
    <message>
        <source>Mostra as respostas ao último degrau de várias janelas num só gráfico, com as medidas de cada uma
Comparar respostas</source>
        <translation>Show the latest step responses of several windows in one plot, with each one&apos;s figures
Compare Responses</translation>
    </message>
    <message>
        <source>Relatório do laboratório...</source>
        <translation>Lab report...</translation>
    </message>
    <message>
        <source>Salva um PDF da janela ativa para o relatório: gráfico, configuração e medidas da resposta ao degrau com o que cada uma mede
Relatório</source>
        <translation>Saves a PDF of the active window for a report: the chart, the setup and the step-response figures with what each one measures
Report</translation>
    </message>
    <message>
        <source>Resposta em frequência...</source>
        <translation>Frequency response...</translation>
    </message>
    <message>
        <source>Mostra o diagrama de Bode, as margens e o ponto último da malha da janela ativa, linearizada no set point
Resposta em frequência</source>
        <translation>Shows the Bode plot, the margins and the ultimate point of the active window&apos;s loop, linearised at the set point
Frequency response</translation>
    </message>
    <message>
        <source>Set point ao longo do tempo</source>
        <translation>Set point over time</translation>
    </message>
    <message>
        <source>Desenha em cada coluna do gráfico o set point daquele passo, em vez do mais novo em toda a largura
Set point ao longo do tempo</source>
        <translation>Draws in each column of the chart the set point of that step, instead of the newest one across the whole width
Set point over time</translation>
    </message>
    <message>
        <source>Histórico da execução</source>
        <translation>Run history</translation>
    </message>
    <message>
        <source>Abre a gravação de toda a execução da janela ativa, para percorrer, ampliar e medir as respostas
Histórico da execução</source>
        <translation>Opens the recording of the active window&apos;s whole run, to scroll through, zoom and measure its responses
Run history</translation>
    </message>
    <message>
        <source>Exercício</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Mostra o exercício do documento ativo e suas verificações na janela ativa
Exercício</source>
        <translation>Shows the active document&apos;s exercise and its checks on the active window
Exercise</translation>
    </message>
    <message>
        <source>E&amp;ventos...</source>
        <translation>E&amp;vents...</translation>
    </message>
    <message>
        <source>Programa mudanças do set point, da potência ou da perturbação da janela ativa em tempos simulados da execução
Eventos</source>
        <translation>Schedules changes of the active window&apos;s set point, power or disturbance at simulated times of the run
Events</translation>
    </message>
    <message>
        <source>E&amp;xercício...</source>
        <translation>E&amp;xercise...</translation>
    </message>
    <message>
        <source>Edita o exercício do documento: título, instruções, eventos e verificações
Exercício</source>
        <translation>Edits the document&apos;s exercise: title, instructions, events and checks
Exercise</translation>
    </message>
</context>
<context>
    <name>CCompareResponsesWindow</name>
    <message>
        <source>Comparar respostas</source>
        <translation>Compare Responses</translation>
    </message>
    <message>
        <source>As janelas cujas respostas ao último degrau se comparam.</source>
        <translation>The windows whose responses to their latest step are compared.</translation>
    </message>
    <message>
        <source>A janela com que as outras se comparam: cada diferença é o valor menos o da referência.</source>
        <translation>The window the others are compared with: each difference is the value minus the reference&apos;s.</translation>
    </message>
    <message>
        <source>Normalizado (z)</source>
        <translation>Normalized (z)</translation>
    </message>
    <message>
        <source>Mostra z = (point − point inicial) / (set point − point inicial): 0 no início do degrau, 1 no set point.</source>
        <translation>Shows z = (point − initial point) / (set point − initial point): 0 at the start of the step, 1 at the set point.</translation>
    </message>
    <message>
        <source>Exportar gráfico...</source>
        <translation>Export chart...</translation>
    </message>
    <message>
        <source>Exportar dados...</source>
        <translation>Export data...</translation>
    </message>
    <message>
        <source>Janelas:</source>
        <translation>Windows:</translation>
    </message>
    <message>
        <source>Referência:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Δ %1</source>
        <translation>Δ %1</translation>
    </message>
</context>
<context>
    <name>CComparisonPlot</name>
    <message>
        <source>%1: Kp %2  Ki %3  Kd %4</source>
        <translation>%1: Kp %2  Ki %3  Kd %4</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>CEventsDlg</name>
    <message>
        <source>Eventos</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CEventsTable</name>
    <message>
        <source>Tempo (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Ajuste</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Ocultar a planta</source>
        <translation>Hide the plant</translation>
    </message>
    <message>
        <source>Remover exercício</source>
        <translation>Remove exercise</translation>
    </message>
    <message>
        <source>Exercício</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Esconde dos alunos a expressão e a dinâmica da planta. Não as protege: o arquivo .vrl é texto e quem o abre num editor as lê.</source>
        <translation>Hides the formula and the plant dynamics from the students. It does not protect them: a .vrl file is plain text, and anyone who opens it in an editor reads them.</translation>
    </message>
    <message>
        <source>Quanto dura, em segundos simulados, a execução que a correção mede; vazio: nenhuma duração</source>
        <translation>How long the graded run lasts, in simulated seconds; empty: no duration</translation>
    </message>
    <message>
        <source>Título:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Instruções:</source>
        <translation>Instructions:</translation>
    </message>
    <message>
        <source>Duração da correção (s):</source>
        <translation>Graded run (s):</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Eventos da execução</source>
        <translation>Events of the run</translation>
    </message>
    <message>
        <source>Verificações</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Duração da correção: esperado um número de 0 ou mais, ou nada</source>
        <translation>Graded run: expected a number of 0 or more, or nothing</translation>
    </message>
</context>
<context>
    <name>CExerciseDock</name>
    <message>
        <source>de %1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>≥ %1</source>
        <translation>≥ %1</translation>
    </message>
    <message>
        <source>≤ %1</source>
        <translation>≤ %1</translation>
    </message>
    <message>
        <source>definido</source>
        <translation>defined</translation>
    </message>
    <message>
        <source>Exercício</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>O exercício do documento ativo, com cada verificação aplicada à última resposta da janela ativa.</source>
        <translation>The active document&apos;s exercise, with each check held to the active window&apos;s latest response.</translation>
    </message>
    <message>
        <source>Sem exercício</source>
        <translation>No exercise</translation>
    </message>
</context>
<context>
    <name>CExpressaoDlg</name>
    <message>
        <source>Entre com a expressão do ponto, onde:</source>
        <translation>Enter the formula of the point, where:</translation>
    </message>
    <message>
        <source>p = ponto atual</source>
        <translation>p = point now</translation>
    </message>
    <message>
        <source>t = posição da potência (0 - 100)</source>
        <translation>t = power setting (0 - 100)</translation>
    </message>
    <message>
        <source>dt = Intervalo de tempo do passo</source>
        <translation>dt = time interval of a step</translation>
    </message>
    <message>
        <source>Teste com p = 2.0; t = 3.0 e dt = 5.0</source>
        <translation>Test with p = 2.0; t = 3.0 and dt = 5.0</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ajuda...</source>
        <translation>Help...</translation>
    </message>
    <message>
        <source>Erro na fórmula</source>
        <translation>Error in formula</translation>
    </message>
    <message>
        <source>Expressão</source>
        <translation>Plant formula</translation>
    </message>
    <message>
        <source>Fórmulas do Vorlint</source>
        <translation>Vorlint formulas</translation>
    </message>
    <message>
        <source>As fórmulas usam ponto decimal (0.5) e &quot;:&quot; entre argumentos (frand(0:10)), não vírgula.</source>
        <translation>Formulas use a decimal point (0.5) and &quot;:&quot; between arguments (frand(0:10)), not a comma.</translation>
    </message>
</context>
<context>
    <name>CFrequencyDlg</name>
    <message>
        <source>O ponto de operação: o point em volta do qual a malha é linearizada (o set point da janela, ou 1500 quando ele é 0).</source>
        <translation>The operating point: the point around which the loop is linearised (the window&apos;s set point, or 1500 when that is 0).</translation>
    </message>
    <message>
        <source>A potência de 0 a 100 que mantém o point em p0: f(p0, t0, dt) = p0.</source>
        <translation>The power from 0 to 100 that holds the point at p0: f(p0, t0, dt) = p0.</translation>
    </message>
    <message>
        <source>Quanto o próximo point muda por unidade do point, em (p0, t0).</source>
        <translation>How much the next point changes per unit of the point, at (p0, t0).</translation>
    </message>
    <message>
        <source>Quanto o próximo point muda por unidade de potência, em (p0, t0).</source>
        <translation>How much the next point changes per unit of power, at (p0, t0).</translation>
    </message>
    <message>
        <source>Ganho último: o Kp que sozinho leva a malha ao limite da estabilidade, 1/|G| onde a fase da planta cai abaixo de −180° (potência por unidade do point).</source>
        <translation>Ultimate gain: the Kp that alone brings the loop to the edge of stability, 1/|G| where the plant&apos;s phase falls below −180° (power per unit of the point).</translation>
    </message>
    <message>
        <source>Período último: o da oscilação nesse limite, 2π/ω, em segundos simulados.</source>
        <translation>Ultimate period: that of the oscillation at that edge, 2π/ω, in simulated seconds.</translation>
    </message>
    <message>
        <source>Margem de ganho</source>
        <translation>Gain margin</translation>
    </message>
    <message>
        <source>Por quanto os ganhos do controlador podem ser multiplicados até a malha oscilar: 1/|L| onde a fase da malha cai abaixo de −180°.</source>
        <translation>By how much the controller&apos;s gains can be multiplied before the loop oscillates: 1/|L| where the loop&apos;s phase falls below −180°.</translation>
    </message>
    <message>
        <source>Margem de ganho (dB)</source>
        <translation>Gain margin (dB)</translation>
    </message>
    <message>
        <source>A margem de ganho em decibéis, 20·log10 dela.</source>
        <translation>The gain margin in decibels, 20·log10 of it.</translation>
    </message>
    <message>
        <source>Margem de fase</source>
        <translation>Phase margin</translation>
    </message>
    <message>
        <source>180° mais a fase da malha onde |L| desce a 1: quanto atraso de fase a mais a malha aguenta.</source>
        <translation>180° plus the loop&apos;s phase where |L| comes down to 1: how much more phase lag the loop can take.</translation>
    </message>
    <message>
        <source>ωc (cruzamento de ganho)</source>
        <translation>ωc (gain crossover)</translation>
    </message>
    <message>
        <source>A frequência em que |L| desce a 1.</source>
        <translation>The frequency where |L| comes down to 1.</translation>
    </message>
    <message>
        <source>ω180 (cruzamento de fase)</source>
        <translation>ω180 (phase crossover)</translation>
    </message>
    <message>
        <source>A frequência em que a fase da malha cai abaixo de −180°.</source>
        <translation>The frequency where the loop&apos;s phase falls below −180°.</translation>
    </message>
    <message>
        <source>Sensibilidade máxima, o maior |1/(1 + L)|: quanto a malha amplifica uma perturbação na pior frequência (1,2 a 2 é o usual).</source>
        <translation>Peak sensitivity, the largest |1/(1 + L)|: how much the loop amplifies a disturbance at the worst frequency (1.2 to 2 is usual).</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Analítico</source>
        <translation>Analytic</translation>
    </message>
    <message>
        <source>Do modelo linear da malha no ponto de operação.</source>
        <translation>From the loop&apos;s linear model at the operating point.</translation>
    </message>
    <message>
        <source>Relé</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>O que o último experimento de relé (Simulação &gt; Sintonia...) encontrou nesta planta; vazio sem ele ou depois de uma mudança da planta.</source>
        <translation>What the last relay experiment (Simulation &gt; Tuning...) found on this plant; empty without one or after a change of the plant.</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>(relé − analítico) / analítico · 100: o erro da função descritiva do relé.</source>
        <translation>(relay − analytic) / analytic · 100: the error of the relay&apos;s describing function.</translation>
    </message>
    <message>
        <source>Resposta em frequência</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>Exportar gráfico...</source>
        <translation>Export chart...</translation>
    </message>
    <message>
        <source>Salva o diagrama de Bode como imagem PNG, desenho SVG ou documento PDF.</source>
        <translation>Saves the Bode plot as a PNG image, an SVG drawing or a PDF document.</translation>
    </message>
    <message>
        <source>Exportar dados...</source>
        <translation>Export data...</translation>
    </message>
    <message>
        <source>Salva as curvas em CSV: w_rad_s, plant_mag_db, plant_phase_deg, loop_mag_db, loop_phase_deg.</source>
        <translation>Saves the curves as CSV: w_rad_s, plant_mag_db, plant_phase_deg, loop_mag_db, loop_phase_deg.</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>A planta está oculta neste exercício: o modelo linear e o diagrama de Bode a revelariam. A coluna Relé mostra o que o seu experimento de relé mediu.</source>
        <translation>The plant is hidden in this exercise: the linear model and the Bode diagram would reveal it. The Relay column shows what your relay experiment measured.</translation>
    </message>
</context>
<context>
    <name>CHistoryView</name>
    <message>
        <source>Histórico da execução</source>
        <translation>Run history</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Ajustar tudo</source>
        <translation>Fit all</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Exportar gráfico</source>
        <translation>Export chart</translation>
    </message>
    <message>
        <source>Exportar dados</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Toda a gravação...</source>
        <translation>The whole recording...</translation>
    </message>
    <message>
        <source>Trecho visível...</source>
        <translation>The visible range...</translation>
    </message>
    <message>
        <source>Passos %1 a %2 de %3 gravados (a janela guarda os últimos %4). Clique perto de uma mudança do set point para medir aquela resposta.</source>
        <translation>Steps %1 to %2 of %3 recorded (the window keeps the last %4). Click near a set-point change to measure that response.</translation>
    </message>
    <message>
        <source>Passo %1, t = %2</source>
        <translation>Step %1, t = %2</translation>
    </message>
    <message>
        <source>Nenhuma mudança do set point perto do clique.</source>
        <translation>No set-point change near the click.</translation>
    </message>
    <message>
        <source>Relatório do laboratório</source>
        <translation>Lab report</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>CKeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>CLabReport</name>
    <message>
        <source>Relatório do laboratório: %1</source>
        <translation>Lab report: %1</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Step response</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <translation>%1: %2 — %3</translation>
    </message>
    <message>
        <source>Sintonia</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>%1: Kp %2   Ki %3   Kd %4   sobressinal %5   acomodação %6   IAE %7   saturado %8</source>
        <translation>%1: Kp %2   Ki %3   Kd %4   overshoot %5   settling %6   IAE %7   saturated %8</translation>
    </message>
    <message>
        <source>%1: não se aplica a este modelo</source>
        <translation>%1: does not apply to this model</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Velocidade</source>
        <translation>Speed</translation>
    </message>
</context>
<context>
    <name>CMultiDocTemplate</name>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>CPlantControllerDlg</name>
    <message>
        <source>Planta e controlador</source>
        <translation>Plant and controller</translation>
    </message>
    <message>
        <source>Planta: entre a potência u e o t da fórmula</source>
        <translation>Plant: between the power u and the formula&apos;s t</translation>
    </message>
    <message>
        <source>Controlador PID</source>
        <translation>PID controller</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Sensor e atuador</source>
        <translation>Sensor and actuator</translation>
    </message>
</context>
<context>
    <name>CResponsePlot</name>
    <message>
        <source>Resposta prevista em %1 simulados: point (linha cheia) e set point (tracejado), na mesma escala em todas as linhas.</source>
        <translation>Predicted response over %1 simulated: point (solid line) and set point (dashed), on the same scale in every row.</translation>
    </message>
</context>
<context>
    <name>CRowsEditor</name>
    <message>
        <source>Adicionar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>CSelectWindowDlg</name>
    <message>
        <source>Select Window</source>
        <translation>Select Window</translation>
    </message>
</context>
<context>
    <name>CSetPointStepDlg</name>
    <message>
        <source>Degrau de set point</source>
        <translation>Set-point step</translation>
    </message>
    <message>
        <source>O set point muda para este valor no próximo passo, de uma só vez: a resposta a um degrau. Vírgula ou ponto decimal.</source>
        <translation>The set point changes to this value at the next step, all at once: a step response. Decimal comma or point.</translation>
    </message>
    <message>
        <source>Novo set point (0 a 3000):</source>
        <translation>New set point (0 to 3000):</translation>
    </message>
</context>
<context>
    <name>CSpeedSelector</name>
    <message>
        <source>1× = tempo real</source>
        <translation>1× = real time</translation>
    </message>
    <message>
        <source>2×</source>
        <translation>2×</translation>
    </message>
    <message>
        <source>5×</source>
        <translation>5×</translation>
    </message>
    <message>
        <source>10×</source>
        <translation>10×</translation>
    </message>
    <message>
        <source>20×</source>
        <translation>20×</translation>
    </message>
    <message>
        <source>50×</source>
        <translation>50×</translation>
    </message>
    <message>
        <source>máxima</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>Velocidade</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Quantos segundos simulados passam em um segundo real: muda o campo Real da janela ativa a partir do seu Simulado.</source>
        <translation>How many simulated seconds pass in one real second: sets the active window&apos;s Real field from its Simulado.</translation>
    </message>
</context>
<context>
    <name>CStepResponseDock</name>
    <message>
        <source>Início (passo)</source>
        <translation>Start (step)</translation>
    </message>
    <message>
        <source>O passo em que a resposta começou: o primeiro passo da execução ou o primeiro com um set point novo.</source>
        <translation>The step at which the response began: the first step of the run or the first with a new set point.</translation>
    </message>
    <message>
        <source>Point inicial</source>
        <translation>Initial point</translation>
    </message>
    <message>
        <source>O point antes do degrau (y0).</source>
        <translation>The point before the step (y0).</translation>
    </message>
    <message>
        <source>Set point</source>
        <translation>Set point</translation>
    </message>
    <message>
        <source>O set point depois do degrau (r).</source>
        <translation>The set point after the step (r).</translation>
    </message>
    <message>
        <source>Tempo de subida</source>
        <translation>Rise time</translation>
    </message>
    <message>
        <source>Quanto o point levou para ir de 10 % a 90 % do degrau, em segundos simulados; indefinido até chegar aos 90 %.</source>
        <translation>How long the point took to go from 10 % to 90 % of the step, in simulated seconds; undefined until it reaches 90 %.</translation>
    </message>
    <message>
        <source>Sobressinal</source>
        <translation>Overshoot</translation>
    </message>
    <message>
        <source>Quanto o point passou do set point no pico, em percentagem do degrau.</source>
        <translation>How far the point went past the set point at the peak, as a percentage of the step.</translation>
    </message>
    <message>
        <source>Pico</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>O point no maior afastamento na direção do degrau (o primeiro, se houver vários).</source>
        <translation>The point at its farthest in the direction of the step (the first, if there are several).</translation>
    </message>
    <message>
        <source>Tempo de pico</source>
        <translation>Peak time</translation>
    </message>
    <message>
        <source>Do início do degrau até o pico, em segundos simulados.</source>
        <translation>From the start of the step to the peak, in simulated seconds.</translation>
    </message>
    <message>
        <source>Tempo de acomodação</source>
        <translation>Settling time</translation>
    </message>
    <message>
        <source>Do início do degrau até a última amostra fora da faixa de ±2 % do degrau em volta do set point; indefinido enquanto o point está fora dela.</source>
        <translation>From the start of the step to the last sample outside the band of ±2 % of the step around the set point; undefined while the point is outside it.</translation>
    </message>
    <message>
        <source>Erro atual</source>
        <translation>Current error</translation>
    </message>
    <message>
        <source>O erro (set point − point) da amostra mais nova.</source>
        <translation>The error (set point − point) of the newest sample.</translation>
    </message>
    <message>
        <source>IAE</source>
        <translation>IAE</translation>
    </message>
    <message>
        <source>Integral do erro absoluto, Σ |e|·dt, desde o degrau (unidades do point × s).</source>
        <translation>Integral of the absolute error, Σ |e|·dt, since the step (units of the point × s).</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>Integral do erro ao quadrado, Σ e²·dt, desde o degrau (unidades do point² × s).</source>
        <translation>Integral of the squared error, Σ e²·dt, since the step (units of the point² × s).</translation>
    </message>
    <message>
        <source>ITAE</source>
        <translation>ITAE</translation>
    </message>
    <message>
        <source>Integral do tempo vezes o erro absoluto, Σ t·|e|·dt, desde o degrau: pesa os erros que demoram (unidades do point × s²).</source>
        <translation>Integral of the time times the absolute error, Σ t·|e|·dt, since the step: weighs the errors that linger (units of the point × s²).</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Step response</translation>
    </message>
    <message>
        <source>A resposta ao último degrau do set point na janela ativa. Sem degrau (set point igual ao point) só o erro e as integrais são definidos.</source>
        <translation>The response to the latest set-point step in the active window. Without a step (set point equal to the point) only the error and the integrals are defined.</translation>
    </message>
    <message>
        <source>O set point ainda estava mudando</source>
        <translation>The set point was still changing</translation>
    </message>
    <message>
        <source>Esta resposta começou a menos de 10 passos da mudança anterior do set point, como quando se arrasta a barra: é uma rampa, e as medidas de um degrau não valem para ela. Use Simulação &gt; Degrau de set point... para um degrau de uma só vez.</source>
        <translation>This response began less than 10 steps after the previous set-point change, as when the slider is dragged: it is a ramp, and a step&apos;s figures do not hold for it. Use Simulation &gt; Set-point step... for a step at once.</translation>
    </message>
    <message>
        <source>Tempo saturado</source>
        <translation>Time saturated</translation>
    </message>
    <message>
        <source>Quanto tempo a potência ficou exatamente em 0 ou em 100 desde o degrau, em segundos simulados.</source>
        <translation>How long the power stayed at exactly 0 or 100 since the step, in simulated seconds.</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Regra</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>A regra de sintonia.</source>
        <translation>The tuning rule.</translation>
    </message>
    <message>
        <source>Kp</source>
        <translation>Kp</translation>
    </message>
    <message>
        <source>Ganho proporcional: Kp = Kc.</source>
        <translation>Proportional gain: Kp = Kc.</translation>
    </message>
    <message>
        <source>Ki</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Neste programa Ki divide a integral: Ki = Ti / Kc; 0 = sem ação integral.</source>
        <translation>In this program Ki divides the integral: Ki = Ti / Kc; 0 = no integral action.</translation>
    </message>
    <message>
        <source>Kd</source>
        <translation>Kd</translation>
    </message>
    <message>
        <source>Ganho derivativo: Kd = Kc · Td.</source>
        <translation>Derivative gain: Kd = Kc · Td.</translation>
    </message>
    <message>
        <source>Sobressinal (%)</source>
        <translation>Overshoot (%)</translation>
    </message>
    <message>
        <source>Quanto o point previsto passa do set point no pico, em % do degrau.</source>
        <translation>How far the predicted point goes past the set point at the peak, in % of the step.</translation>
    </message>
    <message>
        <source>Acomodação (s)</source>
        <translation>Settling (s)</translation>
    </message>
    <message>
        <source>Tempo até o point previsto ficar na faixa de ±2 % do degrau, em segundos simulados; – se não se acomoda.</source>
        <translation>Time until the predicted point stays within ±2 % of the step, in simulated seconds; – if it does not settle.</translation>
    </message>
    <message>
        <source>IAE</source>
        <translation>IAE</translation>
    </message>
    <message>
        <source>Integral do erro absoluto da resposta prevista, Σ |e|·dt (point × s).</source>
        <translation>Integral of the absolute error of the predicted response, Σ |e|·dt (point × s).</translation>
    </message>
    <message>
        <source>Resposta prevista</source>
        <translation>Predicted response</translation>
    </message>
    <message>
        <source>O point (linha cheia) e o set point (tracejado) previstos, do repouso ao set point; todas as linhas na mesma escala.</source>
        <translation>The predicted point (solid line) and set point (dashed), from rest to the set point; every row on the same scale.</translation>
    </message>
    <message>
        <source>Sintonia</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>Executar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Roda o experimento numa cópia da planta desta janela, a partir do repouso; a janela continua como está.</source>
        <translation>Runs the experiment on a copy of this window&apos;s plant, from rest; the window stays as it is.</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Copia os ganhos da regra escolhida para a janela e liga o modo PID.</source>
        <translation>Copies the chosen rule&apos;s gains to the window and turns on PID mode.</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Experimento</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Relé</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>A potência chaveia entre bias + h e bias − h conforme o point está abaixo ou acima do set point; o ciclo que se forma dá Ku e Tu.</source>
        <translation>The power switches between bias + h and bias − h as the point is below or above the set point; the cycle that forms gives Ku and Tu.</translation>
    </message>
    <message>
        <source>Bias (potência):</source>
        <translation>Bias (power):</translation>
    </message>
    <message>
        <source>A potência do meio do relé.</source>
        <translation>The power in the middle of the relay&apos;s swing.</translation>
    </message>
    <message>
        <source>Amplitude h (potência):</source>
        <translation>Amplitude h (power):</translation>
    </message>
    <message>
        <source>O relé soma e subtrai h do bias; acima de 0.</source>
        <translation>The relay adds h to and subtracts it from the bias; above 0.</translation>
    </message>
    <message>
        <source>Histerese ε (point):</source>
        <translation>Hysteresis ε (point):</translation>
    </message>
    <message>
        <source>O relé não chaveia enquanto |erro| ≤ ε; 0 ou mais.</source>
        <translation>The relay does not switch while |error| ≤ ε; 0 or more.</translation>
    </message>
    <message>
        <source>O set point da janela (1500 quando é 0): o relé oscila em volta dele e as respostas previstas vão até ele.</source>
        <translation>The window&apos;s set point (1500 when it is 0): the relay oscillates around it and the predicted responses go up to it.</translation>
    </message>
    <message>
        <source>Set point:</source>
        <translation>Set point:</translation>
    </message>
    <message>
        <source>Degrau em malha aberta</source>
        <translation>Open-loop step</translation>
    </message>
    <message>
        <source>A potência vai de 0 a u1 e espera o point se acomodar; a curva dá K, τ e θ.</source>
        <translation>The power goes from 0 to u1 and waits for the point to settle; the curve gives K, τ and θ.</translation>
    </message>
    <message>
        <source>Potência u1:</source>
        <translation>Power u1:</translation>
    </message>
    <message>
        <source>A potência do degrau, acima de 0.</source>
        <translation>The power of the step, above 0.</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Escolha o experimento e clique em Executar.</source>
        <translation>Choose the experiment and click Run.</translation>
    </message>
    <message>
        <source>Ganhos na forma deste programa, em que Ki divide a integral: Kp = Kc, Ki = Ti / Kc (0 = sem integral), Kd = Kc · Td.</source>
        <translation>Gains in the form of this program, where Ki divides the integral: Kp = Kc, Ki = Ti / Kc (0 = no integral), Kd = Kc · Td.</translation>
    </message>
    <message>
        <source>Executando...</source>
        <translation>Running...</translation>
    </message>
    <message>
        <source>Sintonia cancelada.</source>
        <translation>Tuning cancelled.</translation>
    </message>
    <message>
        <source>Não há memória para a sintonia.</source>
        <translation>There is no memory for the tuning.</translation>
    </message>
    <message>
        <source>Ku: o ganho proporcional que leva a malha ao limite da estabilidade; Tu: o período da oscilação nesse limite.</source>
        <translation>Ku: the proportional gain that takes the loop to the limit of stability; Tu: the period of the oscillation at that limit.</translation>
    </message>
    <message>
        <source>K: quanto o point muda por unidade de potência; τ: a constante de tempo; θ: o tempo morto aparente.</source>
        <translation>K: how much the point changes per unit of power; τ: the time constant; θ: the apparent dead time.</translation>
    </message>
    <message>
        <source>Ciclo último: Ku = %1 (potência por unidade do point), Tu = %2</source>
        <translation>Ultimate cycle: Ku = %1 (power per unit of the point), Tu = %2</translation>
    </message>
    <message>
        <source>Primeira ordem com tempo morto: K = %1 (point por unidade de potência), τ = %2, θ = %3</source>
        <translation>First order with dead time: K = %1 (point per unit of power), τ = %2, θ = %3</translation>
    </message>
    <message>
        <source>Sem resultado: o relé não fez o point oscilar em %1 passos.</source>
        <translation>No result: the relay did not make the point oscillate in %1 steps.</translation>
    </message>
    <message>
        <source>Sem resultado: o point não se acomodou depois do degrau em %1 passos.</source>
        <translation>No result: the point did not settle after the step in %1 steps.</translation>
    </message>
    <message>
        <source>%1 (0 a %2)</source>
        <translation>%1 (0 to %2)</translation>
    </message>
    <message>
        <source>Atenção: Tu dura menos de %1 passos simulados; a oscilação vem da amostragem, não da planta.</source>
        <translation>Warning: Tu lasts less than %1 simulated steps; the oscillation comes from the sampling, not from the plant.</translation>
    </message>
    <message>
        <source>Saturado (s)</source>
        <translation>Saturated (s)</translation>
    </message>
    <message>
        <source>Quanto tempo a potência prevista fica exatamente em 0 ou em 100, em segundos simulados: um atuador que não dá mais.</source>
        <translation>How long the predicted power stays at exactly 0 or 100, in simulated seconds: an actuator that can give no more.</translation>
    </message>
    <message>
        <source>Atenção: o ajuste achou um tempo morto negativo (θ = %1), tomado como 0; por isso estas regras não se aplicam: %2.</source>
        <translation>Warning: the fit found a negative dead time (θ = %1), taken as 0; so these rules do not apply: %2.</translation>
    </message>
</context>
<context>
    <name>CVorlintApp</name>
    <message>
        <source>
Vorlint
Vorlint
Vorlint Files (*.vrl)
.vrl
Vorlint.Document
Vorlint.Document</source>
        <extracomment>Seven fields, one a line: a translation changes only the filter name, the fourth.</extracomment>
        <translation>
Vorlint
Vorlint
Vorlint Files (*.vrl)
.vrl
Vorlint.Document
Vorlint.Document</translation>
    </message>
</context>
<context>
    <name>CVorlintDoc</name>
    <message>
        <source>Este documento já tem %1 janelas, o máximo que um arquivo do Vorlint guarda.</source>
        <translation>This document already has %1 windows, the most a Vorlint file keeps.</translation>
    </message>
</context>
<context>
    <name>CVorlintView</name>
    <message>
        <source>Memória insuficiente: a simulação desta janela foi parada.</source>
        <translation>Out of memory: this window&apos;s simulation was stopped.</translation>
    </message>
    <message>
        <source>Erro na fórmula: %1 O point fica parado até a fórmula dar um número de novo.</source>
        <translation>Error in formula: %1 The point stays where it is until the formula gives a number again.</translation>
    </message>
    <message>
        <source>A planta oculta falhou: o point fica parado até ela dar um número de novo.</source>
        <translation>The hidden plant failed: the point stays where it is until it gives a number again.</translation>
    </message>
</context>
<context>
    <name>CWindowListMenu</name>
    <message>
        <source>Activate this window</source>
        <translation>Activate this window</translation>
    </message>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;More Windows...</translation>
    </message>
    <message>
        <source>Select a window from the list of all open windows</source>
        <translation>Select a window from the list of all open windows</translation>
    </message>
</context>
<context>
    <name>ChangedFileQuestion</name>
    <message>
        <source>O arquivo foi alterado por outro programa desde que foi aberto.</source>
        <translation>The file was changed by another program since it was opened.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Salvar como...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ChartCursor</name>
    <message>
        <source>há %1</source>
        <translation>%1 ago</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>SetPoint</source>
        <translation>SetPoint</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Proporcional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>Diferencial</source>
        <translation>Derivative</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Potência</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Measurement</translation>
    </message>
</context>
<context>
    <name>DialogTemplates</name>
    <message>
        <source>Pot</source>
        <translation>Pow</translation>
    </message>
    <message>
        <source>SetP</source>
        <translation>SetP</translation>
    </message>
    <message>
        <source>Lig/Des</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Tempo (passo)</source>
        <translation>Time (step)</translation>
    </message>
    <message>
        <source>Simulado</source>
        <translation>Simul.</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Gráficos</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Proporcional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>Diferencial</source>
        <translation>Derivative</translation>
    </message>
    <message>
        <source>Potência</source>
        <translation>Power</translation>
    </message>
</context>
<context>
    <name>EngineStatus</name>
    <message>
        <source>You are not allowed multiple operators in a row</source>
        <translation>You are not allowed multiple operators in a row</translation>
    </message>
    <message>
        <source>Unmatched parenthesis</source>
        <translation>Unmatched parenthesis</translation>
    </message>
    <message>
        <source>Please enter an equation first</source>
        <translation>Please enter an equation first</translation>
    </message>
    <message>
        <source>You did not enter any operands</source>
        <translation>You did not enter any operands</translation>
    </message>
    <message>
        <source>You did not enter an operand for the last operator</source>
        <translation>You did not enter an operand for the last operator</translation>
    </message>
    <message>
        <source>Missing operand before first operator</source>
        <translation>Missing operand before first operator</translation>
    </message>
    <message>
        <source>Unexpected operator</source>
        <translation>Unexpected operator</translation>
    </message>
    <message>
        <source>Empty set of parenthesis</source>
        <translation>Empty set of parenthesis</translation>
    </message>
    <message>
        <source>character in formula is out of range for the current base</source>
        <translation>character in formula is out of range for the current base</translation>
    </message>
    <message>
        <source>unknown error converting base</source>
        <translation>unknown error converting base</translation>
    </message>
    <message>
        <source>multiple decimals</source>
        <translation>multiple decimals</translation>
    </message>
    <message>
        <source>Expected left paranthesis. Paranthesis are required for function calls. eg max(2,3)</source>
        <translation>Expected left paranthesis. Paranthesis are required for function calls. eg max(2,3)</translation>
    </message>
    <message>
        <source>Missing operand(s) at end of expression</source>
        <translation>Missing operand(s) at end of expression</translation>
    </message>
    <message>
        <source>The run-time stack is empty. Please makre sur eyou have entered a valid equation.  All constants must be enclosed in parenthesis</source>
        <translation>The run-time stack is empty. Please makre sur eyou have entered a valid equation.  All constants must be enclosed in parenthesis</translation>
    </message>
    <message>
        <source>Missing parameter to function.  Make sure you have entered the corrcet number of parameters</source>
        <translation>Missing parameter to function.  Make sure you have entered the corrcet number of parameters</translation>
    </message>
    <message>
        <source>Too many parameters to funciton.  Make sure you have entered the corrcet number of parameters</source>
        <translation>Too many parameters to funciton.  Make sure you have entered the corrcet number of parameters</translation>
    </message>
    <message>
        <source>A Variable must precede &apos;=&apos;</source>
        <translation>A Variable must precede &apos;=&apos;</translation>
    </message>
    <message>
        <source>Unknown constant in expression</source>
        <translation>Unknown constant in expression</translation>
    </message>
    <message>
        <source>The formula is too long or too deeply nested</source>
        <translation>The formula is too long or too deeply nested</translation>
    </message>
    <message>
        <source>Illegal attempt to divide by zero</source>
        <translation>Illegal attempt to divide by zero</translation>
    </message>
    <message>
        <source>The first value in nCr must be larger than the second</source>
        <translation>The first value in nCr must be larger than the second</translation>
    </message>
    <message>
        <source>nCr requires integers only</source>
        <translation>nCr requires integers only</translation>
    </message>
    <message>
        <source>gcd requires non 0 values</source>
        <translation>gcd requires non 0 values</translation>
    </message>
    <message>
        <source>Factorial requires positive integers</source>
        <translation>Factorial requires positive integers</translation>
    </message>
    <message>
        <source>nPr requires integers only</source>
        <translation>nPr requires integers only</translation>
    </message>
    <message>
        <source>The first value in nPr must be larger than the second</source>
        <translation>The first value in nPr must be larger than the second</translation>
    </message>
    <message>
        <source>gcd must take integer parameters</source>
        <translation>gcd must take integer parameters</translation>
    </message>
    <message>
        <source>lcm requires non 0 values</source>
        <translation>lcm requires non 0 values</translation>
    </message>
    <message>
        <source>lcm must take integer parameters</source>
        <translation>lcm must take integer parameters</translation>
    </message>
    <message>
        <source>Stack index out of range!</source>
        <translation>Stack index out of range!</translation>
    </message>
    <message>
        <source>You can only convert values to a base between 2 and 36</source>
        <translation>You can only convert values to a base between 2 and 36</translation>
    </message>
    <message>
        <source>You must enter a positive integer for a fibonacci number - eg fib(6)</source>
        <translation>You must enter a positive integer for a fibonacci number - eg fib(6)</translation>
    </message>
    <message>
        <source>Undefined constant</source>
        <translation>Undefined constant</translation>
    </message>
    <message>
        <source>Unknown operator type</source>
        <translation>Unknown operator type</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Dados CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>the name ends in none of .png, .svg, .pdf</source>
        <translation>the name ends in none of .png, .svg, .pdf</translation>
    </message>
    <message>
        <source>the window is too small to draw its chart</source>
        <translation>the window is too small to draw its chart</translation>
    </message>
    <message>
        <source>Exportar gráfico</source>
        <translation>Export chart</translation>
    </message>
    <message>
        <source>Exportar dados</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>Failed to copy the chart and its data.</source>
        <translation>Failed to copy the chart and its data.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Relatório do laboratório</source>
        <translation>Lab report</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>the report could not be drawn</translation>
    </message>
</context>
<context>
    <name>FileErrorBox</name>
    <message>
        <source>Failed to open document.</source>
        <translation>Failed to open document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Failed to save document.</translation>
    </message>
    <message>
        <source>Failed to export the chart.</source>
        <translation>Failed to export the chart.</translation>
    </message>
    <message>
        <source>Failed to export the data.</source>
        <translation>Failed to export the data.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Failed to write the lab report.</source>
        <translation>Failed to write the lab report.</translation>
    </message>
    <message>
        <source>Is a folder, not a file</source>
        <translation>Is a folder, not a file</translation>
    </message>
    <message>
        <source>Is not a regular file (a FIFO)</source>
        <translation>Is not a regular file (a FIFO)</translation>
    </message>
    <message>
        <source>Is not a regular file (a device)</source>
        <translation>Is not a regular file (a device)</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Is not a regular file</translation>
    </message>
</context>
<context>
    <name>FormulaFailureText</name>
    <message>
        <source>O resultado não é um número: a fórmula pede um valor que não existe, como sqrt(-1), (-8)^0.5 ou 5 mod 0.</source>
        <translation>The result is not a number: the formula asks for a value that does not exist, such as sqrt(-1), (-8)^0.5 or 5 mod 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um nome conhecido: os nomes são em minúsculas (p, t, dt).</source>
        <translation>&quot;%1&quot; is not a known name: names are lower case (p, t, dt).</translation>
    </message>
</context>
<context>
    <name>FrequencyLab</name>
    <message>
        <source>The simulated step is 0 s: a loop that is never sampled has no frequency response.</source>
        <translation>The simulated step is 0 s: a loop that is never sampled has no frequency response.</translation>
    </message>
    <message>
        <source>The plant formula gives no number near the operating point, so the loop has no linear model there.</source>
        <translation>The plant formula gives no number near the operating point, so the loop has no linear model there.</translation>
    </message>
    <message>
        <source>No power from 0 to 100 holds the point there: the formula moves it the same way at t = 0 and at t = 100, so the loop has no operating point.</source>
        <translation>No power from 0 to 100 holds the point there: the formula moves it the same way at t = 0 and at t = 100, so the loop has no operating point.</translation>
    </message>
    <message>
        <source>The loop gain stays at or below 1 up to the Nyquist frequency, so there is no gain crossover and no phase margin.</source>
        <translation>The loop gain stays at or below 1 up to the Nyquist frequency, so there is no gain crossover and no phase margin.</translation>
    </message>
    <message>
        <source>The loop gain is still above 1 at the Nyquist frequency, so there is no gain crossover and no phase margin.</source>
        <translation>The loop gain is still above 1 at the Nyquist frequency, so there is no gain crossover and no phase margin.</translation>
    </message>
    <message>
        <source>The loop&apos;s phase reaches -180° only at the Nyquist frequency, which is no crossing, so there is no phase crossover and no gain margin.</source>
        <translation>The loop&apos;s phase reaches -180° only at the Nyquist frequency, which is no crossing, so there is no phase crossover and no gain margin.</translation>
    </message>
    <message>
        <source>The loop&apos;s phase does not fall below -180° under the Nyquist frequency, so there is no phase crossover and no gain margin.</source>
        <translation>The loop&apos;s phase does not fall below -180° under the Nyquist frequency, so there is no phase crossover and no gain margin.</translation>
    </message>
    <message>
        <source>The power does not move the point at the operating point (b = 0), so the plant has no ultimate point.</source>
        <translation>The power does not move the point at the operating point (b = 0), so the plant has no ultimate point.</translation>
    </message>
    <message>
        <source>The plant&apos;s phase reaches -180° only at the Nyquist frequency, as a first-order plant&apos;s does, so it has no ultimate point: the cycle a relay finds on it is an artefact of the sampling.</source>
        <translation>The plant&apos;s phase reaches -180° only at the Nyquist frequency, as a first-order plant&apos;s does, so it has no ultimate point: the cycle a relay finds on it is an artefact of the sampling.</translation>
    </message>
    <message>
        <source>The plant&apos;s phase does not fall below -180° under the Nyquist frequency, so it has no ultimate point.</source>
        <translation>The plant&apos;s phase does not fall below -180° under the Nyquist frequency, so it has no ultimate point.</translation>
    </message>
    <message>
        <source>The loop gain is 0 at every frequency (every gain is 0, the power does not move the point, or the lags pass nothing at this step), so there is no crossover and no margin.</source>
        <translation>The loop gain is 0 at every frequency (every gain is 0, the power does not move the point, or the lags pass nothing at this step), so there is no crossover and no margin.</translation>
    </message>
    <message>
        <source>The lags&apos; time constant is so long beside the step that each lag passes nothing (1 - e^(-dt/tau) rounds to 0), so the plant has no ultimate point.</source>
        <translation>The lags&apos; time constant is so long beside the step that each lag passes nothing (1 - e^(-dt/tau) rounds to 0), so the plant has no ultimate point.</translation>
    </message>
    <message>
        <source>The plant is unstable at the operating point (|a| &gt; 1): its margins need the Nyquist criterion, so the margins, the crossovers and Ms are not given.</source>
        <translation>The plant is unstable at the operating point (|a| &gt; 1): its margins need the Nyquist criterion, so the margins, the crossovers and Ms are not given.</translation>
    </message>
</context>
<context>
    <name>MenuResource</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Simulação</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a finite number</source>
        <translation>a finite number</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>%1 above %2 and below %3</source>
        <translation>%1 above %2 and below %3</translation>
    </message>
    <message>
        <source>%1 above %2 and up to %3</source>
        <translation>%1 above %2 and up to %3</translation>
    </message>
    <message>
        <source>%1 from %2 and below %3</source>
        <translation>%1 from %2 and below %3</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 from %2 to %3</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 above %2</translation>
    </message>
    <message>
        <source>%1 of %2 or more</source>
        <translation>%1 of %2 or more</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 below %2</translation>
    </message>
    <message>
        <source>%1 of %2 or less</source>
        <translation>%1 of %2 or less</translation>
    </message>
    <message>
        <source>0 or %1</source>
        <translation>0 or %1</translation>
    </message>
</context>
<context>
    <name>PlantHiddenText</name>
    <message>
        <source>planta oculta</source>
        <translation>plant hidden</translation>
    </message>
</context>
<context>
    <name>PrintHeader</name>
    <message>
        <source>Fórmula: %1</source>
        <translation>Formula: %1</translation>
    </message>
    <message>
        <source>Modo: %1    Kp %2    Ki %3    Kd %4</source>
        <translation>Mode: %1    Kp %2    Ki %3    Kd %4</translation>
    </message>
    <message>
        <source>Impresso em %1</source>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source>Planta:</source>
        <translation>Plant:</translation>
    </message>
    <message>
        <source>Controlador:</source>
        <translation>Controller:</translation>
    </message>
    <message>
        <source>Sensor e atuador:</source>
        <translation>Sensor and actuator:</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
</context>
<context>
    <name>ReaderProblem</name>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>one of %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>a text</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>a setting besides atS</source>
        <translation>a setting besides atS</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>a list</translation>
    </message>
    <message>
        <source>above max</source>
        <translation>above max</translation>
    </message>
    <message>
        <source>a whole number from 0 to 18446744073709551615, or its digits in a text</source>
        <translation>a whole number from 0 to 18446744073709551615, or its digits in a text</translation>
    </message>
    <message>
        <source>a number setting&apos;s key</source>
        <translation>a number setting&apos;s key</translation>
    </message>
    <message>
        <source>a text of at most 200 characters</source>
        <translation>a text of at most 200 characters</translation>
    </message>
    <message>
        <source>a text is not UTF-8</source>
        <translation>a text is not UTF-8</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>the key comes twice</source>
        <translation>the key comes twice</translation>
    </message>
    <message>
        <source>a lone surrogate</source>
        <translation>a lone surrogate</translation>
    </message>
    <message>
        <source>nested deeper than 32</source>
        <translation>nested deeper than 32</translation>
    </message>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>the file is larger than 1 MB</translation>
    </message>
</context>
<context>
    <name>RunHistoryWindow</name>
    <message>
        <source>-historico</source>
        <translation>-history</translation>
    </message>
    <message>
        <source>Histórico da execução - %1</source>
        <translation>Run history - %1</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Lig/Des</source>
        <translation>On/Off</translation>
    </message>
    <message>
        <source>medição</source>
        <translation>measurement</translation>
    </message>
    <message>
        <source>erro</source>
        <translation>error</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Nenhum</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Condicional</source>
        <translation>Conditional</translation>
    </message>
    <message>
        <source>Retrocálculo</source>
        <translation>Back-calculation</translation>
    </message>
    <message>
        <source>Perturbação de carga d:</source>
        <translation>Load disturbance d:</translation>
    </message>
    <message>
        <source>Somada à potência do controlador antes da planta (v = u + d), em unidades de potência.</source>
        <translation>Added to the controller&apos;s power before the plant (v = u + d), in units of power.</translation>
    </message>
    <message>
        <source>Tempo morto θ (s):</source>
        <translation>Dead time θ (s):</translation>
    </message>
    <message>
        <source>A fórmula recebe a potência de θ segundos simulados antes (arredondado a passos); 0 = sem tempo morto.</source>
        <translation>The formula receives the power of θ simulated seconds earlier (rounded to steps); 0 = no dead time.</translation>
    </message>
    <message>
        <source>Atrasos de 1ª ordem N (0 a 5):</source>
        <translation>First-order lags N (0 to 5):</translation>
    </message>
    <message>
        <source>Quantos atrasos de primeira ordem iguais a potência atravessa, um depois do outro.</source>
        <translation>How many equal first-order lags the power passes through, one after the other.</translation>
    </message>
    <message>
        <source>Constante de tempo τ (s):</source>
        <translation>Time constant τ (s):</translation>
    </message>
    <message>
        <source>A constante de tempo de cada atraso, em segundos simulados.</source>
        <translation>The time constant of each lag, in simulated seconds.</translation>
    </message>
    <message>
        <source>Peso do set point b:</source>
        <translation>Set-point weight b:</translation>
    </message>
    <message>
        <source>O termo proporcional é (b·set point − point)·Kp; com b abaixo de 1 o degrau do set point é respondido com mais calma. 1 = o controlador de sempre.</source>
        <translation>The proportional term is (b·set point − point)·Kp; with b below 1 a set-point step is answered more calmly. 1 = the usual controller.</translation>
    </message>
    <message>
        <source>Derivada sobre a medição</source>
        <translation>Derivative on measurement</translation>
    </message>
    <message>
        <source>Deriva o point em vez do erro: sem o pico da derivada quando o set point muda.</source>
        <translation>Differentiates the point instead of the error: no derivative kick when the set point changes.</translation>
    </message>
    <message>
        <source>Filtro da derivada Tf (s):</source>
        <translation>Derivative filter Tf (s):</translation>
    </message>
    <message>
        <source>Constante de tempo do filtro de primeira ordem do termo derivativo; 0 = sem filtro.</source>
        <translation>Time constant of the derivative term&apos;s first-order filter; 0 = no filter.</translation>
    </message>
    <message>
        <source>Anti-windup:</source>
        <translation>Anti-windup:</translation>
    </message>
    <message>
        <source>Tempo de rastreamento Tt (s):</source>
        <translation>Tracking time Tt (s):</translation>
    </message>
    <message>
        <source>O Tt do retrocálculo, em segundos simulados, acima de 0.</source>
        <translation>The Tt of the back-calculation, in simulated seconds, above 0.</translation>
    </message>
    <message>
        <source>Condicional: a integral para enquanto a saída está saturada e ela empurraria mais. Retrocálculo: a integral volta por Ki·(u − uRaw)·(1 − e^(−dt/Tt)) depois da saturação.</source>
        <translation>Conditional: the integral stops while the output is saturated and it would push further. Back-calculation: the integral comes back by Ki·(u − uRaw)·(1 − e^(−dt/Tt)) after saturation.</translation>
    </message>
    <message>
        <source>Ruído da medição σ:</source>
        <translation>Measurement noise σ:</translation>
    </message>
    <message>
        <source>Desvio-padrão do ruído gaussiano somado ao point que o controlador lê, em unidades do point; 0 = sem ruído.</source>
        <translation>Standard deviation of the Gaussian noise added to the point the controller reads, in point units; 0 = no noise.</translation>
    </message>
    <message>
        <source>Semente do ruído:</source>
        <translation>Noise seed:</translation>
    </message>
    <message>
        <source>Quantização q:</source>
        <translation>Quantization q:</translation>
    </message>
    <message>
        <source>A medição é arredondada ao múltiplo de q mais próximo, em unidades do point; 0 = sem quantização.</source>
        <translation>The measurement is rounded to the nearest multiple of q, in point units; 0 = no quantization.</translation>
    </message>
    <message>
        <source>Limite de taxa do atuador R (/s):</source>
        <translation>Actuator rate limit R (/s):</translation>
    </message>
    <message>
        <source>Quanto a potência pode mudar por segundo simulado sob PID e Lig/Des; 0 = sem limite.</source>
        <translation>How much the power may change per simulated second under PID and On/Off; 0 = no limit.</translation>
    </message>
    <message>
        <source>Transferência sem solavanco</source>
        <translation>Bumpless transfer</translation>
    </message>
    <message>
        <source>Ao passar de Manual ou Lig/Des para PID, a integral é ajustada para que a saída continue da potência em uso.</source>
        <translation>On switching from Manual or On/Off to PID, the integral is set so that the output continues from the power in use.</translation>
    </message>
    <message>
        <source>Simulado (ms):</source>
        <translation>Simul. (ms):</translation>
    </message>
    <message>
        <source>Set point:</source>
        <translation>Set point:</translation>
    </message>
    <message>
        <source>Potência manual (%):</source>
        <translation>Manual power (%):</translation>
    </message>
    <message>
        <source>Real (ms):</source>
        <translation>Real (ms):</translation>
    </message>
    <message>
        <source>A mesma semente dá o mesmo ruído; mudá-la recomeça a sequência. De 0 a 18446744073709551615.</source>
        <translation>The same seed gives the same noise; changing it starts the sequence again. From 0 to 18446744073709551615.</translation>
    </message>
</context>
<context>
    <name>TuningRules</name>
    <message>
        <source>Ziegler-Nichols P</source>
        <translation>Ziegler-Nichols P</translation>
    </message>
    <message>
        <source>Ziegler-Nichols PI</source>
        <translation>Ziegler-Nichols PI</translation>
    </message>
    <message>
        <source>Ziegler-Nichols PID</source>
        <translation>Ziegler-Nichols PID</translation>
    </message>
    <message>
        <source>Ziegler-Nichols some overshoot</source>
        <translation>Ziegler-Nichols some overshoot</translation>
    </message>
    <message>
        <source>Ziegler-Nichols no overshoot</source>
        <translation>Ziegler-Nichols no overshoot</translation>
    </message>
    <message>
        <source>Tyreus-Luyben PI</source>
        <translation>Tyreus-Luyben PI</translation>
    </message>
    <message>
        <source>Tyreus-Luyben PID</source>
        <translation>Tyreus-Luyben PID</translation>
    </message>
    <message>
        <source>Ziegler-Nichols open-loop PI</source>
        <translation>Ziegler-Nichols open-loop PI</translation>
    </message>
    <message>
        <source>Ziegler-Nichols open-loop PID</source>
        <translation>Ziegler-Nichols open-loop PID</translation>
    </message>
    <message>
        <source>Cohen-Coon PI</source>
        <translation>Cohen-Coon PI</translation>
    </message>
    <message>
        <source>Cohen-Coon PID</source>
        <translation>Cohen-Coon PID</translation>
    </message>
    <message>
        <source>SIMC PI</source>
        <translation>SIMC PI</translation>
    </message>
    <message>
        <source>IMC PID</source>
        <translation>IMC PID</translation>
    </message>
    <message>
        <source>AMIGO PI</source>
        <translation>AMIGO PI</translation>
    </message>
    <message>
        <source>AMIGO PID</source>
        <translation>AMIGO PID</translation>
    </message>
    <message>
        <source>Lambda PI</source>
        <translation>Lambda PI</translation>
    </message>
</context>
<context>
    <name>WindowCycleKeys</name>
    <message>
        <source>Next Window</source>
        <translation>Next Window</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Previous Window</translation>
    </message>
</context>
<context>
    <name>WindowSettingsJson</name>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>expected %1</translation>
    </message>
</context>
</TS>
