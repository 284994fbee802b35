<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Sobre o Vorlint</source>
        <translation>Sobre o Vorlint</translation>
    </message>
    <message>
        <source>Vorlint Version %1</source>
        <translation>Vorlint versão %1</translation>
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
        <translation>A amostra mais nova da janela ativa (set point, point e potência), o tempo simulado desde o início da execução e os passos que ela realmente deu por segundo, contados no último segundo (o CPS do painel é o inverso do tempo de cálculo de um só passo).</translation>
    </message>
    <message>
        <source>SetPoint %1   Point %2   Potência %3   Tempo %4   %5 passos/s</source>
        <translation>SetPoint %1   Point %2   Potência %3   Tempo %4   %5 passos/s</translation>
    </message>
</context>
<context>
    <name>CBodePlot</name>
    <message>
        <source>Diagrama de Bode da malha linearizada no ponto de operação: magnitude em dB e fase em graus em função de ω (rad/s, escala logarítmica) até a frequência de Nyquist π/dt.</source>
        <translation>Diagrama de Bode da malha linearizada no ponto de operação: magnitude em dB e fase em graus em função de ω (rad/s, escala logarítmica) até a frequência de Nyquist π/dt.</translation>
    </message>
    <message>
        <source>MF = %1</source>
        <translation>MF = %1</translation>
    </message>
    <message>
        <source>MG = %1</source>
        <translation>MG = %1</translation>
    </message>
    <message>
        <source>Magnitude (dB)</source>
        <translation>Magnitude (dB)</translation>
    </message>
    <message>
        <source>Fase (°)</source>
        <translation>Fase (°)</translation>
    </message>
    <message>
        <source>ω (rad/s)</source>
        <translation>ω (rad/s)</translation>
    </message>
    <message>
        <source>Planta G</source>
        <translation>Planta G</translation>
    </message>
    <message>
        <source>Malha L = C·G</source>
        <translation>Malha L = C·G</translation>
    </message>
</context>
<context>
    <name>CChecksTable</name>
    <message>
        <source>Figura</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Mínimo</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Janela</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>Vazio ou 0: todas as janelas</source>
        <translation>Vazio ou 0: todas as janelas</translation>
    </message>
    <message>
        <source>Verificação %1: %2</source>
        <translation>Verificação %1: %2</translation>
    </message>
    <message>
        <source>um limite não é um número</source>
        <translation>um limite não é um número</translation>
    </message>
    <message>
        <source>a janela deve ser um número inteiro de 0 a %1 (vazio ou 0: todas)</source>
        <translation>a janela deve ser um número inteiro de 0 a %1 (vazio ou 0: todas)</translation>
    </message>
    <message>
        <source>o mínimo passa do máximo</source>
        <translation>o mínimo passa do máximo</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Novo	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Cria um novo documento
Novo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abre um documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fecha o documento ativo
Fechar</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salvar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salva o documento ativo
Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Salva o documento ativo com um novo nome
Salvar como</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configurar i&amp;mpressão...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Altera a impressora e as opções de impressão
Configurar impressão</translation>
    </message>
    <message>
        <source>Exportar gráfico...</source>
        <translation>Exportar gráfico...</translation>
    </message>
    <message>
        <source>Salva o gráfico da janela ativa como imagem PNG, desenho SVG ou documento PDF
Exportar gráfico</source>
        <translation>Salva o gráfico da janela ativa como imagem PNG, desenho SVG ou documento PDF
Exportar gráfico</translation>
    </message>
    <message>
        <source>Exportar dados...</source>
        <translation>Exportar dados...</translation>
    </message>
    <message>
        <source>Salva o histórico da janela ativa como tabela CSV (ponto decimal)
Exportar dados</source>
        <translation>Salva o histórico da janela ativa como tabela CSV (ponto decimal)
Exportar dados</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprime o documento ativo
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostra páginas inteiras
Visualizar impressão</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abre este documento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Encerra o programa; pergunta se os documentos devem ser salvos
Sair</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Desfazer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Desfaz a última ação
Desfazer</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Recor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Recorta a seleção e a coloca na Área de Transferência
Recortar</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the chart and its data (CSV) to the Clipboard
Copy</source>
        <translation>Copia o gráfico e seus dados (CSV) para a Área de Transferência
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;olar	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insere o conteúdo da Área de Transferência
Colar</translation>
    </message>
    <message>
        <source>&amp;Iniciar</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>
Iniciar</source>
        <translation>
Iniciar</translation>
    </message>
    <message>
        <source>&amp;Parar</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>
Parar</source>
        <translation>
Parar</translation>
    </message>
    <message>
        <source>&amp;Expressão...</source>
        <translation>&amp;Expressão...</translation>
    </message>
    <message>
        <source>
Expressão</source>
        <translation>
Expressão</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostra ou oculta a barra de ferramentas
Barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra ou oculta a barra de status
Barra de status</translation>
    </message>
    <message>
        <source>Cores de alto contraste</source>
        <translation>Cores de alto contraste</translation>
    </message>
    <message>
        <source>Desenha os gráficos em cores que se distinguem mesmo com daltonismo e se leem sobre o branco
Cores de alto contraste</source>
        <translation>Desenha os gráficos em cores que se distinguem mesmo com daltonismo e se leem sobre o branco
Cores de alto contraste</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Mostra o tempo simulado e as escalas de valores nos gráficos
Escala</source>
        <translation>Mostra o tempo simulado e as escalas de valores nos gráficos
Escala</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Resposta ao degrau</translation>
    </message>
    <message>
        <source>Mostra as medidas da resposta ao último degrau do set point na janela ativa
Resposta ao degrau</source>
        <translation>Mostra as medidas da resposta ao último degrau do set point na janela ativa
Resposta ao degrau</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nova janela</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abre outra janela para o documento ativo
Nova janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organiza as janelas sobrepostas
Janelas em cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organiza as janelas lado a lado, sem sobreposição
Janelas lado a lado</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar ícones</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organiza os ícones na parte inferior da janela
Organizar ícones</translation>
    </message>
    <message>
        <source>&amp;About Vorlint...</source>
        <translation>&amp;Sobre o Vorlint...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informações do programa, número da versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Próximo painel</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passa para o próximo painel da janela
Próximo painel</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Painel anterior</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Volta para o painel anterior da janela
Painel anterior</translation>
    </message>
    <message>
        <source>Planta e &amp;controlador...</source>
        <translation>Planta e &amp;controlador...</translation>
    </message>
    <message>
        <source>Edita a perturbação, o tempo morto e os atrasos da planta e as opções do PID da janela ativa
Planta e controlador</source>
        <translation>Edita a perturbação, o tempo morto e os atrasos da planta e as opções do PID da janela ativa
Planta e controlador</translation>
    </message>
    <message>
        <source>&amp;Sintonia...</source>
        <translation>&amp;Sintonia...</translation>
    </message>
    <message>
        <source>Identifica a planta da janela ativa com um relé ou um degrau e compara as regras de sintonia
Sintonia</source>
        <translation>Identifica a planta da janela ativa com um relé ou um degrau e compara as regras de sintonia
Sintonia</translation>
    </message>
    <message>
        <source>&amp;Degrau de set point...	Ctrl+D</source>
        <translation>&amp;Degrau de set point...	Ctrl+D</translation>
    </message>
    <message>
        <source>Muda o set point da janela ativa de uma só vez, no próximo passo
Degrau de set point</source>
        <translation>Muda o set point da janela ativa de uma só vez, no próximo passo
Degrau de set point</translation>
    </message>
    <message>
        <source>Comparar respostas...</source>
        <translation>Comparar respostas...</translation>
    </message>
    <message>
        <source>Mostra as respostas ao último degrau de várias janelas num só gráfico, com as medidas de cada uma
Comparar respostas</source>
        <translation>Mostra as respostas ao último degrau de várias janelas num só gráfico, com as medidas de cada uma
Comparar respostas</translation>
    </message>
    <message>
        <source>Relatório do laboratório...</source>
        <translation>Relatório do laboratório...</translation>
    </message>
    <message>
        <source>Salva um PDF da janela ativa para o relatório: gráfico, configuração e medidas da resposta ao degrau com o que cada uma mede
Relatório</source>
        <translation>Salva um PDF da janela ativa para o relatório: gráfico, configuração e medidas da resposta ao degrau com o que cada uma mede
Relatório</translation>
    </message>
    <message>
        <source>Resposta em frequência...</source>
        <translation>Resposta em frequência...</translation>
    </message>
    <message>
        <source>Mostra o diagrama de Bode, as margens e o ponto último da malha da janela ativa, linearizada no set point
Resposta em frequência</source>
        <translation>Mostra o diagrama de Bode, as margens e o ponto último da malha da janela ativa, linearizada no set point
Resposta em frequência</translation>
    </message>
    <message>
        <source>Set point ao longo do tempo</source>
        <translation>Set point ao longo do tempo</translation>
    </message>
    <message>
        <source>Desenha em cada coluna do gráfico o set point daquele passo, em vez do mais novo em toda a largura
Set point ao longo do tempo</source>
        <translation>Desenha em cada coluna do gráfico o set point daquele passo, em vez do mais novo em toda a largura
Set point ao longo do tempo</translation>
    </message>
    <message>
        <source>Histórico da execução</source>
        <translation>Histórico da execução</translation>
    </message>
    <message>
        <source>Abre a gravação de toda a execução da janela ativa, para percorrer, ampliar e medir as respostas
Histórico da execução</source>
        <translation>Abre a gravação de toda a execução da janela ativa, para percorrer, ampliar e medir as respostas
Histórico da execução</translation>
    </message>
    <message>
        <source>Exercício</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Mostra o exercício do documento ativo e suas verificações na janela ativa
Exercício</source>
        <translation>Mostra o exercício do documento ativo e suas verificações na janela ativa
Exercício</translation>
    </message>
    <message>
        <source>E&amp;ventos...</source>
        <translation>E&amp;ventos...</translation>
    </message>
    <message>
        <source>Programa mudanças do set point, da potência ou da perturbação da janela ativa em tempos simulados da execução
Eventos</source>
        <translation>Programa mudanças do set point, da potência ou da perturbação da janela ativa em tempos simulados da execução
Eventos</translation>
    </message>
    <message>
        <source>E&amp;xercício...</source>
        <translation>E&amp;xercício...</translation>
    </message>
    <message>
        <source>Edita o exercício do documento: título, instruções, eventos e verificações
Exercício</source>
        <translation>Edita o exercício do documento: título, instruções, eventos e verificações
Exercício</translation>
    </message>
</context>
<context>
    <name>CCompareResponsesWindow</name>
    <message>
        <source>Comparar respostas</source>
        <translation>Comparar respostas</translation>
    </message>
    <message>
        <source>As janelas cujas respostas ao último degrau se comparam.</source>
        <translation>As janelas cujas respostas ao último degrau se comparam.</translation>
    </message>
    <message>
        <source>A janela com que as outras se comparam: cada diferença é o valor menos o da referência.</source>
        <translation>A janela com que as outras se comparam: cada diferença é o valor menos o da referência.</translation>
    </message>
    <message>
        <source>Normalizado (z)</source>
        <translation>Normalizado (z)</translation>
    </message>
    <message>
        <source>Mostra z = (point − point inicial) / (set point − point inicial): 0 no início do degrau, 1 no set point.</source>
        <translation>Mostra z = (point − point inicial) / (set point − point inicial): 0 no início do degrau, 1 no set point.</translation>
    </message>
    <message>
        <source>Exportar gráfico...</source>
        <translation>Exportar gráfico...</translation>
    </message>
    <message>
        <source>Exportar dados...</source>
        <translation>Exportar dados...</translation>
    </message>
    <message>
        <source>Janelas:</source>
        <translation>Janelas:</translation>
    </message>
    <message>
        <source>Referência:</source>
        <translation>Referência:</translation>
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
        <translation>Salvar as alterações em %1?</translation>
    </message>
</context>
<context>
    <name>CEventsDlg</name>
    <message>
        <source>Eventos</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CEventsTable</name>
    <message>
        <source>Tempo (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>Ajuste</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>CExerciseDlg</name>
    <message>
        <source>Ocultar a planta</source>
        <translation>Ocultar a planta</translation>
    </message>
    <message>
        <source>Remover exercício</source>
        <translation>Remover exercício</translation>
    </message>
    <message>
        <source>Exercício</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Esconde dos alunos a expressão e a dinâmica da planta. Não as protege: o arquivo .vrl é texto e quem o abre num editor as lê.</source>
        <translation>Esconde dos alunos a expressão e a dinâmica da planta. Não as protege: o arquivo .vrl é texto e quem o abre num editor as lê.</translation>
    </message>
    <message>
        <source>Quanto dura, em segundos simulados, a execução que a correção mede; vazio: nenhuma duração</source>
        <translation>Quanto dura, em segundos simulados, a execução que a correção mede; vazio: nenhuma duração</translation>
    </message>
    <message>
        <source>Título:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Instruções:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>Duração da correção (s):</source>
        <translation>Duração da correção (s):</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Eventos da execução</source>
        <translation>Eventos da execução</translation>
    </message>
    <message>
        <source>Verificações</source>
        <translation>Verificações</translation>
    </message>
    <message>
        <source>Duração da correção: esperado um número de 0 ou mais, ou nada</source>
        <translation>Duração da correção: esperado um número de 0 ou mais, ou nada</translation>
    </message>
</context>
<context>
    <name>CExerciseDock</name>
    <message>
        <source>de %1 a %2</source>
        <translation>de %1 a %2</translation>
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
        <translation>definido</translation>
    </message>
    <message>
        <source>Exercício</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>O exercício do documento ativo, com cada verificação aplicada à última resposta da janela ativa.</source>
        <translation>O exercício do documento ativo, com cada verificação aplicada à última resposta da janela ativa.</translation>
    </message>
    <message>
        <source>Sem exercício</source>
        <translation>Sem exercício</translation>
    </message>
</context>
<context>
    <name>CExpressaoDlg</name>
    <message>
        <source>Entre com a expressão do ponto, onde:</source>
        <translation>Entre com a expressão do ponto, onde:</translation>
    </message>
    <message>
        <source>p = ponto atual</source>
        <translation>p = ponto atual</translation>
    </message>
    <message>
        <source>t = posição da potência (0 - 100)</source>
        <translation>t = posição da potência (0 - 100)</translation>
    </message>
    <message>
        <source>dt = Intervalo de tempo do passo</source>
        <translation>dt = Intervalo de tempo do passo</translation>
    </message>
    <message>
        <source>Teste com p = 2.0; t = 3.0 e dt = 5.0</source>
        <translation>Teste com p = 2.0; t = 3.0 e dt = 5.0</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ajuda...</source>
        <translation>Ajuda...</translation>
    </message>
    <message>
        <source>Erro na fórmula</source>
        <translation>Erro na fórmula</translation>
    </message>
    <message>
        <source>Expressão</source>
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Fórmulas do Vorlint</source>
        <translation>Fórmulas do Vorlint</translation>
    </message>
    <message>
        <source>As fórmulas usam ponto decimal (0.5) e &quot;:&quot; entre argumentos (frand(0:10)), não vírgula.</source>
        <translation>As fórmulas usam ponto decimal (0.5) e &quot;:&quot; entre argumentos (frand(0:10)), não vírgula.</translation>
    </message>
</context>
<context>
    <name>CFrequencyDlg</name>
    <message>
        <source>O ponto de operação: o point em volta do qual a malha é linearizada (o set point da janela, ou 1500 quando ele é 0).</source>
        <translation>O ponto de operação: o point em volta do qual a malha é linearizada (o set point da janela, ou 1500 quando ele é 0).</translation>
    </message>
    <message>
        <source>A potência de 0 a 100 que mantém o point em p0: f(p0, t0, dt) = p0.</source>
        <translation>A potência de 0 a 100 que mantém o point em p0: f(p0, t0, dt) = p0.</translation>
    </message>
    <message>
        <source>Quanto o próximo point muda por unidade do point, em (p0, t0).</source>
        <translation>Quanto o próximo point muda por unidade do point, em (p0, t0).</translation>
    </message>
    <message>
        <source>Quanto o próximo point muda por unidade de potência, em (p0, t0).</source>
        <translation>Quanto o próximo point muda por unidade de potência, em (p0, t0).</translation>
    </message>
    <message>
        <source>Ganho último: o Kp que sozinho leva a malha ao limite da estabilidade, 1/|G| onde a fase da planta cai abaixo de −180° (potência por unidade do point).</source>
        <translation>Ganho último: o Kp que sozinho leva a malha ao limite da estabilidade, 1/|G| onde a fase da planta cai abaixo de −180° (potência por unidade do point).</translation>
    </message>
    <message>
        <source>Período último: o da oscilação nesse limite, 2π/ω, em segundos simulados.</source>
        <translation>Período último: o da oscilação nesse limite, 2π/ω, em segundos simulados.</translation>
    </message>
    <message>
        <source>Margem de ganho</source>
        <translation>Margem de ganho</translation>
    </message>
    <message>
        <source>Por quanto os ganhos do controlador podem ser multiplicados até a malha oscilar: 1/|L| onde a fase da malha cai abaixo de −180°.</source>
        <translation>Por quanto os ganhos do controlador podem ser multiplicados até a malha oscilar: 1/|L| onde a fase da malha cai abaixo de −180°.</translation>
    </message>
    <message>
        <source>Margem de ganho (dB)</source>
        <translation>Margem de ganho (dB)</translation>
    </message>
    <message>
        <source>A margem de ganho em decibéis, 20·log10 dela.</source>
        <translation>A margem de ganho em decibéis, 20·log10 dela.</translation>
    </message>
    <message>
        <source>Margem de fase</source>
        <translation>Margem de fase</translation>
    </message>
    <message>
        <source>180° mais a fase da malha onde |L| desce a 1: quanto atraso de fase a mais a malha aguenta.</source>
        <translation>180° mais a fase da malha onde |L| desce a 1: quanto atraso de fase a mais a malha aguenta.</translation>
    </message>
    <message>
        <source>ωc (cruzamento de ganho)</source>
        <translation>ωc (cruzamento de ganho)</translation>
    </message>
    <message>
        <source>A frequência em que |L| desce a 1.</source>
        <translation>A frequência em que |L| desce a 1.</translation>
    </message>
    <message>
        <source>ω180 (cruzamento de fase)</source>
        <translation>ω180 (cruzamento de fase)</translation>
    </message>
    <message>
        <source>A frequência em que a fase da malha cai abaixo de −180°.</source>
        <translation>A frequência em que a fase da malha cai abaixo de −180°.</translation>
    </message>
    <message>
        <source>Sensibilidade máxima, o maior |1/(1 + L)|: quanto a malha amplifica uma perturbação na pior frequência (1,2 a 2 é o usual).</source>
        <translation>Sensibilidade máxima, o maior |1/(1 + L)|: quanto a malha amplifica uma perturbação na pior frequência (1,2 a 2 é o usual).</translation>
    </message>
    <message>
        <source>Figura</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Analítico</source>
        <translation>Analítico</translation>
    </message>
    <message>
        <source>Do modelo linear da malha no ponto de operação.</source>
        <translation>Do modelo linear da malha no ponto de operação.</translation>
    </message>
    <message>
        <source>Relé</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>O que o último experimento de relé (Simulação &gt; Sintonia...) encontrou nesta planta; vazio sem ele ou depois de uma mudança da planta.</source>
        <translation>O que o último experimento de relé (Simulação &gt; Sintonia...) encontrou nesta planta; vazio sem ele ou depois de uma mudança da planta.</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>(relé − analítico) / analítico · 100: o erro da função descritiva do relé.</source>
        <translation>(relé − analítico) / analítico · 100: o erro da função descritiva do relé.</translation>
    </message>
    <message>
        <source>Resposta em frequência</source>
        <translation>Resposta em frequência</translation>
    </message>
    <message>
        <source>Exportar gráfico...</source>
        <translation>Exportar gráfico...</translation>
    </message>
    <message>
        <source>Salva o diagrama de Bode como imagem PNG, desenho SVG ou documento PDF.</source>
        <translation>Salva o diagrama de Bode como imagem PNG, desenho SVG ou documento PDF.</translation>
    </message>
    <message>
        <source>Exportar dados...</source>
        <translation>Exportar dados...</translation>
    </message>
    <message>
        <source>Salva as curvas em CSV: w_rad_s, plant_mag_db, plant_phase_deg, loop_mag_db, loop_phase_deg.</source>
        <translation>Salva as curvas em CSV: w_rad_s, plant_mag_db, plant_phase_deg, loop_mag_db, loop_phase_deg.</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>A planta está oculta neste exercício: o modelo linear e o diagrama de Bode a revelariam. A coluna Relé mostra o que o seu experimento de relé mediu.</source>
        <translation>A planta está oculta neste exercício: o modelo linear e o diagrama de Bode a revelariam. A coluna Relé mostra o que o seu experimento de relé mediu.</translation>
    </message>
</context>
<context>
    <name>CHistoryView</name>
    <message>
        <source>Histórico da execução</source>
        <translation>Histórico da execução</translation>
    </message>
    <message>
        <source>Histórico</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Ajustar tudo</source>
        <translation>Ajustar tudo</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Exportar gráfico</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>Exportar dados</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>Toda a gravação...</source>
        <translation>Toda a gravação...</translation>
    </message>
    <message>
        <source>Trecho visível...</source>
        <translation>Trecho visível...</translation>
    </message>
    <message>
        <source>Passos %1 a %2 de %3 gravados (a janela guarda os últimos %4). Clique perto de uma mudança do set point para medir aquela resposta.</source>
        <translation>Passos %1 a %2 de %3 gravados (a janela guarda os últimos %4). Clique perto de uma mudança do set point para medir aquela resposta.</translation>
    </message>
    <message>
        <source>Passo %1, t = %2</source>
        <translation>Passo %1, t = %2</translation>
    </message>
    <message>
        <source>Nenhuma mudança do set point perto do clique.</source>
        <translation>Nenhuma mudança do set point perto do clique.</translation>
    </message>
    <message>
        <source>Relatório do laboratório</source>
        <translation>Relatório do laboratório</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exportar</translation>
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
        <translation>Relatório do laboratório: %1</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Resposta ao degrau</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <translation>%1: %2 — %3</translation>
    </message>
    <message>
        <source>Sintonia</source>
        <translation>Sintonia</translation>
    </message>
    <message>
        <source>%1: Kp %2   Ki %3   Kd %4   sobressinal %5   acomodação %6   IAE %7   saturado %8</source>
        <translation>%1: Kp %2   Ki %3   Kd %4   sobressinal %5   acomodação %6   IAE %7   saturado %8</translation>
    </message>
    <message>
        <source>%1: não se aplica a este modelo</source>
        <translation>%1: não se aplica a este modelo</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Velocidade</source>
        <translation>Velocidade</translation>
    </message>
</context>
<context>
    <name>CMultiDocTemplate</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
</context>
<context>
    <name>CPlantControllerDlg</name>
    <message>
        <source>Planta e controlador</source>
        <translation>Planta e controlador</translation>
    </message>
    <message>
        <source>Planta: entre a potência u e o t da fórmula</source>
        <translation>Planta: entre a potência u e o t da fórmula</translation>
    </message>
    <message>
        <source>Controlador PID</source>
        <translation>Controlador PID</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Sensor e atuador</source>
        <translation>Sensor e atuador</translation>
    </message>
</context>
<context>
    <name>CResponsePlot</name>
    <message>
        <source>Resposta prevista em %1 simulados: point (linha cheia) e set point (tracejado), na mesma escala em todas as linhas.</source>
        <translation>Resposta prevista em %1 simulados: point (linha cheia) e set point (tracejado), na mesma escala em todas as linhas.</translation>
    </message>
</context>
<context>
    <name>CRowsEditor</name>
    <message>
        <source>Adicionar</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>CSelectWindowDlg</name>
    <message>
        <source>Select Window</source>
        <translation>Selecionar janela</translation>
    </message>
</context>
<context>
    <name>CSetPointStepDlg</name>
    <message>
        <source>Degrau de set point</source>
        <translation>Degrau de set point</translation>
    </message>
    <message>
        <source>O set point muda para este valor no próximo passo, de uma só vez: a resposta a um degrau. Vírgula ou ponto decimal.</source>
        <translation>O set point muda para este valor no próximo passo, de uma só vez: a resposta a um degrau. Vírgula ou ponto decimal.</translation>
    </message>
    <message>
        <source>Novo set point (0 a 3000):</source>
        <translation>Novo set point (0 a 3000):</translation>
    </message>
</context>
<context>
    <name>CSpeedSelector</name>
    <message>
        <source>1× = tempo real</source>
        <translation>1× = tempo real</translation>
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
        <translation>máxima</translation>
    </message>
    <message>
        <source>Velocidade</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Quantos segundos simulados passam em um segundo real: muda o campo Real da janela ativa a partir do seu Simulado.</source>
        <translation>Quantos segundos simulados passam em um segundo real: muda o campo Real da janela ativa a partir do seu Simulado.</translation>
    </message>
</context>
<context>
    <name>CStepResponseDock</name>
    <message>
        <source>Início (passo)</source>
        <translation>Início (passo)</translation>
    </message>
    <message>
        <source>O passo em que a resposta começou: o primeiro passo da execução ou o primeiro com um set point novo.</source>
        <translation>O passo em que a resposta começou: o primeiro passo da execução ou o primeiro com um set point novo.</translation>
    </message>
    <message>
        <source>Point inicial</source>
        <translation>Point inicial</translation>
    </message>
    <message>
        <source>O point antes do degrau (y0).</source>
        <translation>O point antes do degrau (y0).</translation>
    </message>
    <message>
        <source>Set point</source>
        <translation>Set point</translation>
    </message>
    <message>
        <source>O set point depois do degrau (r).</source>
        <translation>O set point depois do degrau (r).</translation>
    </message>
    <message>
        <source>Tempo de subida</source>
        <translation>Tempo de subida</translation>
    </message>
    <message>
        <source>Quanto o point levou para ir de 10 % a 90 % do degrau, em segundos simulados; indefinido até chegar aos 90 %.</source>
        <translation>Quanto o point levou para ir de 10 % a 90 % do degrau, em segundos simulados; indefinido até chegar aos 90 %.</translation>
    </message>
    <message>
        <source>Sobressinal</source>
        <translation>Sobressinal</translation>
    </message>
    <message>
        <source>Quanto o point passou do set point no pico, em percentagem do degrau.</source>
        <translation>Quanto o point passou do set point no pico, em percentagem do degrau.</translation>
    </message>
    <message>
        <source>Pico</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>O point no maior afastamento na direção do degrau (o primeiro, se houver vários).</source>
        <translation>O point no maior afastamento na direção do degrau (o primeiro, se houver vários).</translation>
    </message>
    <message>
        <source>Tempo de pico</source>
        <translation>Tempo de pico</translation>
    </message>
    <message>
        <source>Do início do degrau até o pico, em segundos simulados.</source>
        <translation>Do início do degrau até o pico, em segundos simulados.</translation>
    </message>
    <message>
        <source>Tempo de acomodação</source>
        <translation>Tempo de acomodação</translation>
    </message>
    <message>
        <source>Do início do degrau até a última amostra fora da faixa de ±2 % do degrau em volta do set point; indefinido enquanto o point está fora dela.</source>
        <translation>Do início do degrau até a última amostra fora da faixa de ±2 % do degrau em volta do set point; indefinido enquanto o point está fora dela.</translation>
    </message>
    <message>
        <source>Erro atual</source>
        <translation>Erro atual</translation>
    </message>
    <message>
        <source>O erro (set point − point) da amostra mais nova.</source>
        <translation>O erro (set point − point) da amostra mais nova.</translation>
    </message>
    <message>
        <source>IAE</source>
        <translation>IAE</translation>
    </message>
    <message>
        <source>Integral do erro absoluto, Σ |e|·dt, desde o degrau (unidades do point × s).</source>
        <translation>Integral do erro absoluto, Σ |e|·dt, desde o degrau (unidades do point × s).</translation>
    </message>
    <message>
        <source>ISE</source>
        <translation>ISE</translation>
    </message>
    <message>
        <source>Integral do erro ao quadrado, Σ e²·dt, desde o degrau (unidades do point² × s).</source>
        <translation>Integral do erro ao quadrado, Σ e²·dt, desde o degrau (unidades do point² × s).</translation>
    </message>
    <message>
        <source>ITAE</source>
        <translation>ITAE</translation>
    </message>
    <message>
        <source>Integral do tempo vezes o erro absoluto, Σ t·|e|·dt, desde o degrau: pesa os erros que demoram (unidades do point × s²).</source>
        <translation>Integral do tempo vezes o erro absoluto, Σ t·|e|·dt, desde o degrau: pesa os erros que demoram (unidades do point × s²).</translation>
    </message>
    <message>
        <source>Resposta ao degrau</source>
        <translation>Resposta ao degrau</translation>
    </message>
    <message>
        <source>A resposta ao último degrau do set point na janela ativa. Sem degrau (set point igual ao point) só o erro e as integrais são definidos.</source>
        <translation>A resposta ao último degrau do set point na janela ativa. Sem degrau (set point igual ao point) só o erro e as integrais são definidos.</translation>
    </message>
    <message>
        <source>O set point ainda estava mudando</source>
        <translation>O set point ainda estava mudando</translation>
    </message>
    <message>
        <source>Esta resposta começou a menos de 10 passos da mudança anterior do set point, como quando se arrasta a barra: é uma rampa, e as medidas de um degrau não valem para ela. Use Simulação &gt; Degrau de set point... para um degrau de uma só vez.</source>
        <translation>Esta resposta começou a menos de 10 passos da mudança anterior do set point, como quando se arrasta a barra: é uma rampa, e as medidas de um degrau não valem para ela. Use Simulação &gt; Degrau de set point... para um degrau de uma só vez.</translation>
    </message>
    <message>
        <source>Tempo saturado</source>
        <translation>Tempo saturado</translation>
    </message>
    <message>
        <source>Quanto tempo a potência ficou exatamente em 0 ou em 100 desde o degrau, em segundos simulados.</source>
        <translation>Quanto tempo a potência ficou exatamente em 0 ou em 100 desde o degrau, em segundos simulados.</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Regra</source>
        <translation>Regra</translation>
    </message>
    <message>
        <source>A regra de sintonia.</source>
        <translation>A regra de sintonia.</translation>
    </message>
    <message>
        <source>Kp</source>
        <translation>Kp</translation>
    </message>
    <message>
        <source>Ganho proporcional: Kp = Kc.</source>
        <translation>Ganho proporcional: Kp = Kc.</translation>
    </message>
    <message>
        <source>Ki</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Neste programa Ki divide a integral: Ki = Ti / Kc; 0 = sem ação integral.</source>
        <translation>Neste programa Ki divide a integral: Ki = Ti / Kc; 0 = sem ação integral.</translation>
    </message>
    <message>
        <source>Kd</source>
        <translation>Kd</translation>
    </message>
    <message>
        <source>Ganho derivativo: Kd = Kc · Td.</source>
        <translation>Ganho derivativo: Kd = Kc · Td.</translation>
    </message>
    <message>
        <source>Sobressinal (%)</source>
        <translation>Sobressinal (%)</translation>
    </message>
    <message>
        <source>Quanto o point previsto passa do set point no pico, em % do degrau.</source>
        <translation>Quanto o point previsto passa do set point no pico, em % do degrau.</translation>
    </message>
    <message>
        <source>Acomodação (s)</source>
        <translation>Acomodação (s)</translation>
    </message>
    <message>
        <source>Tempo até o point previsto ficar na faixa de ±2 % do degrau, em segundos simulados; – se não se acomoda.</source>
        <translation>Tempo até o point previsto ficar na faixa de ±2 % do degrau, em segundos simulados; – se não se acomoda.</translation>
    </message>
    <message>
        <source>IAE</source>
        <translation>IAE</translation>
    </message>
    <message>
        <source>Integral do erro absoluto da resposta prevista, Σ |e|·dt (point × s).</source>
        <translation>Integral do erro absoluto da resposta prevista, Σ |e|·dt (point × s).</translation>
    </message>
    <message>
        <source>Resposta prevista</source>
        <translation>Resposta prevista</translation>
    </message>
    <message>
        <source>O point (linha cheia) e o set point (tracejado) previstos, do repouso ao set point; todas as linhas na mesma escala.</source>
        <translation>O point (linha cheia) e o set point (tracejado) previstos, do repouso ao set point; todas as linhas na mesma escala.</translation>
    </message>
    <message>
        <source>Sintonia</source>
        <translation>Sintonia</translation>
    </message>
    <message>
        <source>Executar</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Roda o experimento numa cópia da planta desta janela, a partir do repouso; a janela continua como está.</source>
        <translation>Roda o experimento numa cópia da planta desta janela, a partir do repouso; a janela continua como está.</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Copia os ganhos da regra escolhida para a janela e liga o modo PID.</source>
        <translation>Copia os ganhos da regra escolhida para a janela e liga o modo PID.</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Experimento</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>Relé</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>A potência chaveia entre bias + h e bias − h conforme o point está abaixo ou acima do set point; o ciclo que se forma dá Ku e Tu.</source>
        <translation>A potência chaveia entre bias + h e bias − h conforme o point está abaixo ou acima do set point; o ciclo que se forma dá Ku e Tu.</translation>
    </message>
    <message>
        <source>Bias (potência):</source>
        <translation>Bias (potência):</translation>
    </message>
    <message>
        <source>A potência do meio do relé.</source>
        <translation>A potência do meio do relé.</translation>
    </message>
    <message>
        <source>Amplitude h (potência):</source>
        <translation>Amplitude h (potência):</translation>
    </message>
    <message>
        <source>O relé soma e subtrai h do bias; acima de 0.</source>
        <translation>O relé soma e subtrai h do bias; acima de 0.</translation>
    </message>
    <message>
        <source>Histerese ε (point):</source>
        <translation>Histerese ε (point):</translation>
    </message>
    <message>
        <source>O relé não chaveia enquanto |erro| ≤ ε; 0 ou mais.</source>
        <translation>O relé não chaveia enquanto |erro| ≤ ε; 0 ou mais.</translation>
    </message>
    <message>
        <source>O set point da janela (1500 quando é 0): o relé oscila em volta dele e as respostas previstas vão até ele.</source>
        <translation>O set point da janela (1500 quando é 0): o relé oscila em volta dele e as respostas previstas vão até ele.</translation>
    </message>
    <message>
        <source>Set point:</source>
        <translation>Set point:</translation>
    </message>
    <message>
        <source>Degrau em malha aberta</source>
        <translation>Degrau em malha aberta</translation>
    </message>
    <message>
        <source>A potência vai de 0 a u1 e espera o point se acomodar; a curva dá K, τ e θ.</source>
        <translation>A potência vai de 0 a u1 e espera o point se acomodar; a curva dá K, τ e θ.</translation>
    </message>
    <message>
        <source>Potência u1:</source>
        <translation>Potência u1:</translation>
    </message>
    <message>
        <source>A potência do degrau, acima de 0.</source>
        <translation>A potência do degrau, acima de 0.</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Escolha o experimento e clique em Executar.</source>
        <translation>Escolha o experimento e clique em Executar.</translation>
    </message>
    <message>
        <source>Ganhos na forma deste programa, em que Ki divide a integral: Kp = Kc, Ki = Ti / Kc (0 = sem integral), Kd = Kc · Td.</source>
        <translation>Ganhos na forma deste programa, em que Ki divide a integral: Kp = Kc, Ki = Ti / Kc (0 = sem integral), Kd = Kc · Td.</translation>
    </message>
    <message>
        <source>Executando...</source>
        <translation>Executando...</translation>
    </message>
    <message>
        <source>Sintonia cancelada.</source>
        <translation>Sintonia cancelada.</translation>
    </message>
    <message>
        <source>Não há memória para a sintonia.</source>
        <translation>Não há memória para a sintonia.</translation>
    </message>
    <message>
        <source>Ku: o ganho proporcional que leva a malha ao limite da estabilidade; Tu: o período da oscilação nesse limite.</source>
        <translation>Ku: o ganho proporcional que leva a malha ao limite da estabilidade; Tu: o período da oscilação nesse limite.</translation>
    </message>
    <message>
        <source>K: quanto o point muda por unidade de potência; τ: a constante de tempo; θ: o tempo morto aparente.</source>
        <translation>K: quanto o point muda por unidade de potência; τ: a constante de tempo; θ: o tempo morto aparente.</translation>
    </message>
    <message>
        <source>Ciclo último: Ku = %1 (potência por unidade do point), Tu = %2</source>
        <translation>Ciclo último: Ku = %1 (potência por unidade do point), Tu = %2</translation>
    </message>
    <message>
        <source>Primeira ordem com tempo morto: K = %1 (point por unidade de potência), τ = %2, θ = %3</source>
        <translation>Primeira ordem com tempo morto: K = %1 (point por unidade de potência), τ = %2, θ = %3</translation>
    </message>
    <message>
        <source>Sem resultado: o relé não fez o point oscilar em %1 passos.</source>
        <translation>Sem resultado: o relé não fez o point oscilar em %1 passos.</translation>
    </message>
    <message>
        <source>Sem resultado: o point não se acomodou depois do degrau em %1 passos.</source>
        <translation>Sem resultado: o point não se acomodou depois do degrau em %1 passos.</translation>
    </message>
    <message>
        <source>%1 (0 a %2)</source>
        <translation>%1 (0 a %2)</translation>
    </message>
    <message>
        <source>Atenção: Tu dura menos de %1 passos simulados; a oscilação vem da amostragem, não da planta.</source>
        <translation>Atenção: Tu dura menos de %1 passos simulados; a oscilação vem da amostragem, não da planta.</translation>
    </message>
    <message>
        <source>Saturado (s)</source>
        <translation>Saturado (s)</translation>
    </message>
    <message>
        <source>Quanto tempo a potência prevista fica exatamente em 0 ou em 100, em segundos simulados: um atuador que não dá mais.</source>
        <translation>Quanto tempo a potência prevista fica exatamente em 0 ou em 100, em segundos simulados: um atuador que não dá mais.</translation>
    </message>
    <message>
        <source>Atenção: o ajuste achou um tempo morto negativo (θ = %1), tomado como 0; por isso estas regras não se aplicam: %2.</source>
        <translation>Atenção: o ajuste achou um tempo morto negativo (θ = %1), tomado como 0; por isso estas regras não se aplicam: %2.</translation>
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
Arquivos do Vorlint (*.vrl)
.vrl
Vorlint.Document
Vorlint.Document</translation>
    </message>
</context>
<context>
    <name>CVorlintDoc</name>
    <message>
        <source>Este documento já tem %1 janelas, o máximo que um arquivo do Vorlint guarda.</source>
        <translation>Este documento já tem %1 janelas, o máximo que um arquivo do Vorlint guarda.</translation>
    </message>
</context>
<context>
    <name>CVorlintView</name>
    <message>
        <source>Memória insuficiente: a simulação desta janela foi parada.</source>
        <translation>Memória insuficiente: a simulação desta janela foi parada.</translation>
    </message>
    <message>
        <source>Erro na fórmula: %1 O point fica parado até a fórmula dar um número de novo.</source>
        <translation>Erro na fórmula: %1 O point fica parado até a fórmula dar um número de novo.</translation>
    </message>
    <message>
        <source>A planta oculta falhou: o point fica parado até ela dar um número de novo.</source>
        <translation>A planta oculta falhou: o point fica parado até ela dar um número de novo.</translation>
    </message>
</context>
<context>
    <name>CWindowListMenu</name>
    <message>
        <source>Activate this window</source>
        <translation>Ativa esta janela</translation>
    </message>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;Mais janelas...</translation>
    </message>
    <message>
        <source>Select a window from the list of all open windows</source>
        <translation>Seleciona uma janela na lista de todas as janelas abertas</translation>
    </message>
</context>
<context>
    <name>ChangedFileQuestion</name>
    <message>
        <source>O arquivo foi alterado por outro programa desde que foi aberto.</source>
        <translation>O arquivo foi alterado por outro programa desde que foi aberto.</translation>
    </message>
    <message>
        <source>Sobrescrever</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>Salvar como...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ChartCursor</name>
    <message>
        <source>há %1</source>
        <translation>há %1</translation>
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
        <translation>Proporcional</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>Diferencial</source>
        <translation>Diferencial</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Potência</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medição</translation>
    </message>
</context>
<context>
    <name>DialogTemplates</name>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>SetP</source>
        <translation>SetP</translation>
    </message>
    <message>
        <source>Lig/Des</source>
        <translation>Lig/Des</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Tempo (passo)</source>
        <translation>Tempo (passo)</translation>
    </message>
    <message>
        <source>Simulado</source>
        <translation>Simulado</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Gráficos</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Proporcional</source>
        <translation>Proporcional</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>Diferencial</source>
        <translation>Diferencial</translation>
    </message>
    <message>
        <source>Potência</source>
        <translation>Potência</translation>
    </message>
</context>
<context>
    <name>EngineStatus</name>
    <message>
        <source>You are not allowed multiple operators in a row</source>
        <translation>Não são permitidos vários operadores seguidos</translation>
    </message>
    <message>
        <source>Unmatched parenthesis</source>
        <translation>Parênteses não correspondem</translation>
    </message>
    <message>
        <source>Please enter an equation first</source>
        <translation>Digite uma equação primeiro</translation>
    </message>
    <message>
        <source>You did not enter any operands</source>
        <translation>Você não digitou nenhum operando</translation>
    </message>
    <message>
        <source>You did not enter an operand for the last operator</source>
        <translation>Falta o operando do último operador</translation>
    </message>
    <message>
        <source>Missing operand before first operator</source>
        <translation>Falta o operando antes do primeiro operador</translation>
    </message>
    <message>
        <source>Unexpected operator</source>
        <translation>Operador inesperado</translation>
    </message>
    <message>
        <source>Empty set of parenthesis</source>
        <translation>Parênteses vazios</translation>
    </message>
    <message>
        <source>character in formula is out of range for the current base</source>
        <translation>caractere da fórmula fora do alcance da base atual</translation>
    </message>
    <message>
        <source>unknown error converting base</source>
        <translation>erro desconhecido ao converter a base</translation>
    </message>
    <message>
        <source>multiple decimals</source>
        <translation>vários pontos decimais</translation>
    </message>
    <message>
        <source>Expected left paranthesis. Paranthesis are required for function calls. eg max(2,3)</source>
        <translation>Esperado um parêntese de abertura. Chamadas de função exigem parênteses, por exemplo max(2:3)</translation>
    </message>
    <message>
        <source>Missing operand(s) at end of expression</source>
        <translation>Falta(m) operando(s) no fim da expressão</translation>
    </message>
    <message>
        <source>The run-time stack is empty. Please makre sur eyou have entered a valid equation.  All constants must be enclosed in parenthesis</source>
        <translation>A pilha de execução está vazia. Confira se digitou uma equação válida. Todas as constantes devem estar entre parênteses</translation>
    </message>
    <message>
        <source>Missing parameter to function.  Make sure you have entered the corrcet number of parameters</source>
        <translation>Falta um parâmetro da função. Confira se digitou o número certo de parâmetros</translation>
    </message>
    <message>
        <source>Too many parameters to funciton.  Make sure you have entered the corrcet number of parameters</source>
        <translation>Parâmetros demais para a função. Confira se digitou o número certo de parâmetros</translation>
    </message>
    <message>
        <source>A Variable must precede &apos;=&apos;</source>
        <translation>Uma variável deve vir antes de &apos;=&apos;</translation>
    </message>
    <message>
        <source>Unknown constant in expression</source>
        <translation>Constante desconhecida na expressão</translation>
    </message>
    <message>
        <source>The formula is too long or too deeply nested</source>
        <translation>A fórmula é longa demais ou aninhada demais</translation>
    </message>
    <message>
        <source>Illegal attempt to divide by zero</source>
        <translation>Tentativa de dividir por zero</translation>
    </message>
    <message>
        <source>The first value in nCr must be larger than the second</source>
        <translation>O primeiro valor de nCr deve ser maior que o segundo</translation>
    </message>
    <message>
        <source>nCr requires integers only</source>
        <translation>nCr aceita só inteiros</translation>
    </message>
    <message>
        <source>gcd requires non 0 values</source>
        <translation>gcd exige valores diferentes de 0</translation>
    </message>
    <message>
        <source>Factorial requires positive integers</source>
        <translation>O fatorial exige inteiros positivos</translation>
    </message>
    <message>
        <source>nPr requires integers only</source>
        <translation>nPr aceita só inteiros</translation>
    </message>
    <message>
        <source>The first value in nPr must be larger than the second</source>
        <translation>O primeiro valor de nPr deve ser maior que o segundo</translation>
    </message>
    <message>
        <source>gcd must take integer parameters</source>
        <translation>gcd deve receber parâmetros inteiros</translation>
    </message>
    <message>
        <source>lcm requires non 0 values</source>
        <translation>lcm exige valores diferentes de 0</translation>
    </message>
    <message>
        <source>lcm must take integer parameters</source>
        <translation>lcm deve receber parâmetros inteiros</translation>
    </message>
    <message>
        <source>Stack index out of range!</source>
        <translation>Índice da pilha fora do alcance!</translation>
    </message>
    <message>
        <source>You can only convert values to a base between 2 and 36</source>
        <translation>Só é possível converter valores para uma base entre 2 e 36</translation>
    </message>
    <message>
        <source>You must enter a positive integer for a fibonacci number - eg fib(6)</source>
        <translation>O número de Fibonacci exige um inteiro positivo, por exemplo fib(6)</translation>
    </message>
    <message>
        <source>Undefined constant</source>
        <translation>Constante não definida</translation>
    </message>
    <message>
        <source>Unknown operator type</source>
        <translation>Tipo de operador desconhecido</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)</source>
        <translation>Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Dados CSV (*.csv)</source>
        <translation>Dados CSV (*.csv)</translation>
    </message>
    <message>
        <source>the name ends in none of .png, .svg, .pdf</source>
        <translation>o nome não termina em .png, .svg nem .pdf</translation>
    </message>
    <message>
        <source>the window is too small to draw its chart</source>
        <translation>a janela é pequena demais para desenhar o gráfico</translation>
    </message>
    <message>
        <source>Exportar gráfico</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>Exportar dados</source>
        <translation>Exportar dados</translation>
    </message>
    <message>
        <source>Failed to copy the chart and its data.</source>
        <translation>Não foi possível copiar o gráfico e seus dados.</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Relatório do laboratório</source>
        <translation>Relatório do laboratório</translation>
    </message>
    <message>
        <source>the report could not be drawn</source>
        <translation>não foi possível desenhar o relatório</translation>
    </message>
</context>
<context>
    <name>FileErrorBox</name>
    <message>
        <source>Failed to open document.</source>
        <translation>Falha ao abrir o documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Falha ao salvar o documento.</translation>
    </message>
    <message>
        <source>Failed to export the chart.</source>
        <translation>Falha ao exportar o gráfico.</translation>
    </message>
    <message>
        <source>Failed to export the data.</source>
        <translation>Falha ao exportar os dados.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Failed to write the lab report.</source>
        <translation>Falha ao gravar o relatório do laboratório.</translation>
    </message>
    <message>
        <source>Is a folder, not a file</source>
        <translation>É uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>Is not a regular file (a FIFO)</source>
        <translation>Não é um arquivo comum (é um FIFO)</translation>
    </message>
    <message>
        <source>Is not a regular file (a device)</source>
        <translation>Não é um arquivo comum (é um dispositivo)</translation>
    </message>
    <message>
        <source>Is not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>FormulaFailureText</name>
    <message>
        <source>O resultado não é um número: a fórmula pede um valor que não existe, como sqrt(-1), (-8)^0.5 ou 5 mod 0.</source>
        <translation>O resultado não é um número: a fórmula pede um valor que não existe, como sqrt(-1), (-8)^0.5 ou 5 mod 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um nome conhecido: os nomes são em minúsculas (p, t, dt).</source>
        <translation>&quot;%1&quot; não é um nome conhecido: os nomes são em minúsculas (p, t, dt).</translation>
    </message>
</context>
<context>
    <name>FrequencyLab</name>
    <message>
        <source>The simulated step is 0 s: a loop that is never sampled has no frequency response.</source>
        <translation>O passo simulado é 0 s: uma malha que nunca é amostrada não tem resposta em frequência.</translation>
    </message>
    <message>
        <source>The plant formula gives no number near the operating point, so the loop has no linear model there.</source>
        <translation>A fórmula da planta não dá um número perto do ponto de operação, então a malha não tem modelo linear ali.</translation>
    </message>
    <message>
        <source>No power from 0 to 100 holds the point there: the formula moves it the same way at t = 0 and at t = 100, so the loop has no operating point.</source>
        <translation>Nenhuma potência de 0 a 100 mantém o point ali: a fórmula o move no mesmo sentido com t = 0 e com t = 100, então a malha não tem ponto de operação.</translation>
    </message>
    <message>
        <source>The loop gain stays at or below 1 up to the Nyquist frequency, so there is no gain crossover and no phase margin.</source>
        <translation>O ganho da malha fica em 1 ou abaixo até a frequência de Nyquist, então não há cruzamento de ganho nem margem de fase.</translation>
    </message>
    <message>
        <source>The loop gain is still above 1 at the Nyquist frequency, so there is no gain crossover and no phase margin.</source>
        <translation>O ganho da malha ainda está acima de 1 na frequência de Nyquist, então não há cruzamento de ganho nem margem de fase.</translation>
    </message>
    <message>
        <source>The loop&apos;s phase reaches -180° only at the Nyquist frequency, which is no crossing, so there is no phase crossover and no gain margin.</source>
        <translation>A fase da malha chega a -180° só na frequência de Nyquist, o que não é um cruzamento, então não há cruzamento de fase nem margem de ganho.</translation>
    </message>
    <message>
        <source>The loop&apos;s phase does not fall below -180° under the Nyquist frequency, so there is no phase crossover and no gain margin.</source>
        <translation>A fase da malha não cai abaixo de -180° antes da frequência de Nyquist, então não há cruzamento de fase nem margem de ganho.</translation>
    </message>
    <message>
        <source>The power does not move the point at the operating point (b = 0), so the plant has no ultimate point.</source>
        <translation>A potência não move o point no ponto de operação (b = 0), então a planta não tem ponto último.</translation>
    </message>
    <message>
        <source>The plant&apos;s phase reaches -180° only at the Nyquist frequency, as a first-order plant&apos;s does, so it has no ultimate point: the cycle a relay finds on it is an artefact of the sampling.</source>
        <translation>A fase da planta chega a -180° só na frequência de Nyquist, como a de uma planta de primeira ordem, então ela não tem ponto último: o ciclo que um relé encontra nela é um artefato da amostragem.</translation>
    </message>
    <message>
        <source>The plant&apos;s phase does not fall below -180° under the Nyquist frequency, so it has no ultimate point.</source>
        <translation>A fase da planta não cai abaixo de -180° antes da frequência de Nyquist, então ela não tem ponto último.</translation>
    </message>
    <message>
        <source>The loop gain is 0 at every frequency (every gain is 0, the power does not move the point, or the lags pass nothing at this step), so there is no crossover and no margin.</source>
        <translation>O ganho da malha é 0 em todas as frequências (todos os ganhos são 0, a potência não move o point, ou os atrasos não deixam passar nada neste passo), então não há cruzamento nem margem.</translation>
    </message>
    <message>
        <source>The lags&apos; time constant is so long beside the step that each lag passes nothing (1 - e^(-dt/tau) rounds to 0), so the plant has no ultimate point.</source>
        <translation>A constante de tempo dos atrasos é tão longa perto do passo que cada atraso não deixa passar nada (1 - e^(-dt/tau) arredonda para 0), então a planta não tem ponto último.</translation>
    </message>
    <message>
        <source>The plant is unstable at the operating point (|a| &gt; 1): its margins need the Nyquist criterion, so the margins, the crossovers and Ms are not given.</source>
        <translation>A planta é instável no ponto de operação (|a| &gt; 1): as suas margens exigem o critério de Nyquist, então as margens, os cruzamentos e o Ms não são dados.</translation>
    </message>
</context>
<context>
    <name>MenuResource</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Simulação</source>
        <translation>&amp;Simulação</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a finite number</source>
        <translation>um número finito</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>%1 above %2 and below %3</source>
        <translation>%1 acima de %2 e abaixo de %3</translation>
    </message>
    <message>
        <source>%1 above %2 and up to %3</source>
        <translation>%1 acima de %2 e até %3</translation>
    </message>
    <message>
        <source>%1 from %2 and below %3</source>
        <translation>%1 de %2 e abaixo de %3</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>%1 above %2</source>
        <translation>%1 acima de %2</translation>
    </message>
    <message>
        <source>%1 of %2 or more</source>
        <translation>%1 de %2 ou mais</translation>
    </message>
    <message>
        <source>%1 below %2</source>
        <translation>%1 abaixo de %2</translation>
    </message>
    <message>
        <source>%1 of %2 or less</source>
        <translation>%1 de %2 ou menos</translation>
    </message>
    <message>
        <source>0 or %1</source>
        <translation>0 ou %1</translation>
    </message>
</context>
<context>
    <name>PlantHiddenText</name>
    <message>
        <source>planta oculta</source>
        <translation>planta oculta</translation>
    </message>
</context>
<context>
    <name>PrintHeader</name>
    <message>
        <source>Fórmula: %1</source>
        <translation>Fórmula: %1</translation>
    </message>
    <message>
        <source>Modo: %1    Kp %2    Ki %3    Kd %4</source>
        <translation>Modo: %1    Kp %2    Ki %3    Kd %4</translation>
    </message>
    <message>
        <source>Impresso em %1</source>
        <translation>Impresso em %1</translation>
    </message>
    <message>
        <source>Planta:</source>
        <translation>Planta:</translation>
    </message>
    <message>
        <source>Controlador:</source>
        <translation>Controlador:</translation>
    </message>
    <message>
        <source>Sensor e atuador:</source>
        <translation>Sensor e atuador:</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>ReaderProblem</name>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um de %1</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>um texto</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>a setting besides atS</source>
        <translation>uma configuração além de atS</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>uma lista</translation>
    </message>
    <message>
        <source>above max</source>
        <translation>acima de max</translation>
    </message>
    <message>
        <source>a whole number from 0 to 18446744073709551615, or its digits in a text</source>
        <translation>um número inteiro de 0 a 18446744073709551615, ou seus algarismos num texto</translation>
    </message>
    <message>
        <source>a number setting&apos;s key</source>
        <translation>a chave de um ajuste numérico</translation>
    </message>
    <message>
        <source>a text of at most 200 characters</source>
        <translation>um texto de no máximo 200 caracteres</translation>
    </message>
    <message>
        <source>a text is not UTF-8</source>
        <translation>um texto não é UTF-8</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>the key comes twice</source>
        <translation>a chave aparece duas vezes</translation>
    </message>
    <message>
        <source>a lone surrogate</source>
        <translation>um surrogate UTF-16 isolado</translation>
    </message>
    <message>
        <source>nested deeper than 32</source>
        <translation>aninhado a mais de 32 níveis</translation>
    </message>
    <message>
        <source>the file is larger than 1 MB</source>
        <translation>o arquivo tem mais de 1 MB</translation>
    </message>
</context>
<context>
    <name>RunHistoryWindow</name>
    <message>
        <source>-historico</source>
        <translation>-historico</translation>
    </message>
    <message>
        <source>Histórico da execução - %1</source>
        <translation>Histórico da execução - %1</translation>
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
        <translation>Lig/Des</translation>
    </message>
    <message>
        <source>medição</source>
        <translation>medição</translation>
    </message>
    <message>
        <source>erro</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>não</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Nenhum</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Condicional</source>
        <translation>Condicional</translation>
    </message>
    <message>
        <source>Retrocálculo</source>
        <translation>Retrocálculo</translation>
    </message>
    <message>
        <source>Perturbação de carga d:</source>
        <translation>Perturbação de carga d:</translation>
    </message>
    <message>
        <source>Somada à potência do controlador antes da planta (v = u + d), em unidades de potência.</source>
        <translation>Somada à potência do controlador antes da planta (v = u + d), em unidades de potência.</translation>
    </message>
    <message>
        <source>Tempo morto θ (s):</source>
        <translation>Tempo morto θ (s):</translation>
    </message>
    <message>
        <source>A fórmula recebe a potência de θ segundos simulados antes (arredondado a passos); 0 = sem tempo morto.</source>
        <translation>A fórmula recebe a potência de θ segundos simulados antes (arredondado a passos); 0 = sem tempo morto.</translation>
    </message>
    <message>
        <source>Atrasos de 1ª ordem N (0 a 5):</source>
        <translation>Atrasos de 1ª ordem N (0 a 5):</translation>
    </message>
    <message>
        <source>Quantos atrasos de primeira ordem iguais a potência atravessa, um depois do outro.</source>
        <translation>Quantos atrasos de primeira ordem iguais a potência atravessa, um depois do outro.</translation>
    </message>
    <message>
        <source>Constante de tempo τ (s):</source>
        <translation>Constante de tempo τ (s):</translation>
    </message>
    <message>
        <source>A constante de tempo de cada atraso, em segundos simulados.</source>
        <translation>A constante de tempo de cada atraso, em segundos simulados.</translation>
    </message>
    <message>
        <source>Peso do set point b:</source>
        <translation>Peso do set point b:</translation>
    </message>
    <message>
        <source>O termo proporcional é (b·set point − point)·Kp; com b abaixo de 1 o degrau do set point é respondido com mais calma. 1 = o controlador de sempre.</source>
        <translation>O termo proporcional é (b·set point − point)·Kp; com b abaixo de 1 o degrau do set point é respondido com mais calma. 1 = o controlador de sempre.</translation>
    </message>
    <message>
        <source>Derivada sobre a medição</source>
        <translation>Derivada sobre a medição</translation>
    </message>
    <message>
        <source>Deriva o point em vez do erro: sem o pico da derivada quando o set point muda.</source>
        <translation>Deriva o point em vez do erro: sem o pico da derivada quando o set point muda.</translation>
    </message>
    <message>
        <source>Filtro da derivada Tf (s):</source>
        <translation>Filtro da derivada Tf (s):</translation>
    </message>
    <message>
        <source>Constante de tempo do filtro de primeira ordem do termo derivativo; 0 = sem filtro.</source>
        <translation>Constante de tempo do filtro de primeira ordem do termo derivativo; 0 = sem filtro.</translation>
    </message>
    <message>
        <source>Anti-windup:</source>
        <translation>Anti-windup:</translation>
    </message>
    <message>
        <source>Tempo de rastreamento Tt (s):</source>
        <translation>Tempo de rastreamento Tt (s):</translation>
    </message>
    <message>
        <source>O Tt do retrocálculo, em segundos simulados, acima de 0.</source>
        <translation>O Tt do retrocálculo, em segundos simulados, acima de 0.</translation>
    </message>
    <message>
        <source>Condicional: a integral para enquanto a saída está saturada e ela empurraria mais. Retrocálculo: a integral volta por Ki·(u − uRaw)·(1 − e^(−dt/Tt)) depois da saturação.</source>
        <translation>Condicional: a integral para enquanto a saída está saturada e ela empurraria mais. Retrocálculo: a integral volta por Ki·(u − uRaw)·(1 − e^(−dt/Tt)) depois da saturação.</translation>
    </message>
    <message>
        <source>Ruído da medição σ:</source>
        <translation>Ruído da medição σ:</translation>
    </message>
    <message>
        <source>Desvio-padrão do ruído gaussiano somado ao point que o controlador lê, em unidades do point; 0 = sem ruído.</source>
        <translation>Desvio-padrão do ruído gaussiano somado ao point que o controlador lê, em unidades do point; 0 = sem ruído.</translation>
    </message>
    <message>
        <source>Semente do ruído:</source>
        <translation>Semente do ruído:</translation>
    </message>
    <message>
        <source>Quantização q:</source>
        <translation>Quantização q:</translation>
    </message>
    <message>
        <source>A medição é arredondada ao múltiplo de q mais próximo, em unidades do point; 0 = sem quantização.</source>
        <translation>A medição é arredondada ao múltiplo de q mais próximo, em unidades do point; 0 = sem quantização.</translation>
    </message>
    <message>
        <source>Limite de taxa do atuador R (/s):</source>
        <translation>Limite de taxa do atuador R (/s):</translation>
    </message>
    <message>
        <source>Quanto a potência pode mudar por segundo simulado sob PID e Lig/Des; 0 = sem limite.</source>
        <translation>Quanto a potência pode mudar por segundo simulado sob PID e Lig/Des; 0 = sem limite.</translation>
    </message>
    <message>
        <source>Transferência sem solavanco</source>
        <translation>Transferência sem solavanco</translation>
    </message>
    <message>
        <source>Ao passar de Manual ou Lig/Des para PID, a integral é ajustada para que a saída continue da potência em uso.</source>
        <translation>Ao passar de Manual ou Lig/Des para PID, a integral é ajustada para que a saída continue da potência em uso.</translation>
    </message>
    <message>
        <source>Simulado (ms):</source>
        <translation>Simulado (ms):</translation>
    </message>
    <message>
        <source>Set point:</source>
        <translation>Set point:</translation>
    </message>
    <message>
        <source>Potência manual (%):</source>
        <translation>Potência manual (%):</translation>
    </message>
    <message>
        <source>Real (ms):</source>
        <translation>Real (ms):</translation>
    </message>
    <message>
        <source>A mesma semente dá o mesmo ruído; mudá-la recomeça a sequência. De 0 a 18446744073709551615.</source>
        <translation>A mesma semente dá o mesmo ruído; mudá-la recomeça a sequência. De 0 a 18446744073709551615.</translation>
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
        <translation>Ziegler-Nichols algum sobressinal</translation>
    </message>
    <message>
        <source>Ziegler-Nichols no overshoot</source>
        <translation>Ziegler-Nichols sem sobressinal</translation>
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
        <translation>Ziegler-Nichols malha aberta PI</translation>
    </message>
    <message>
        <source>Ziegler-Nichols open-loop PID</source>
        <translation>Ziegler-Nichols malha aberta PID</translation>
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
        <translation>Próxima janela</translation>
    </message>
    <message>
        <source>Previous Window</source>
        <translation>Janela anterior</translation>
    </message>
</context>
<context>
    <name>WindowSettingsJson</name>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>esperado %1</translation>
    </message>
</context>
</TS>
