; Every text of the setup program and the uninstaller that the standard Russian strings do not give.

; --- pages ---

LangString WelcomeText ${LANG_RUSSIAN} "quorvel показывает при каждом включении компьютера окно с тремя примерами из таблицы умножения или с английскими словами. Компьютер свободен, когда ребёнок даст три верных ответа.$\r$\n$\r$\nПрограмма установки поставит quorvel в папку, которую могут менять только администраторы, а настройки, словарь, журнал и отчёт - в общую папку $DataFolder.$\r$\n$\r$\n$_CLICK"

LangString FolderText ${LANG_RUSSIAN} "quorvel запускается при входе в Windows каждого пользователя, и взрослого тоже, поэтому менять его папку могут только администраторы. Лучше всего оставить папку, указанную ниже. Любую другую (новую или пустую) программа установки закроет так же.$\r$\n$\r$\nНастройки, словарь, журнал и отчёт будут в папке $DataFolder."

LangString OptionsTitle ${LANG_RUSSIAN} "Параметры"
LangString OptionsSubtitle ${LANG_RUSSIAN} "Когда запускать quorvel, что спрашивать и у кого."
LangString StartUpOption ${LANG_RUSSIAN} "Запускать при включении компьютера"
LangString StartUpNote ${LANG_RUSSIAN} "Для всех пользователей этого компьютера."
LangString SubjectQuestion ${LANG_RUSSIAN} "Какой предмет изучаем?"
LangString SubjectKept ${LANG_RUSSIAN} "Предмет останется тем, что записан в файле настроек quorvel.ini."
LangString SkipMeOption ${LANG_RUSSIAN} "Не показывать задания мне ($AccountName)"
LangString SkipMeNote ${LANG_RUSSIAN} "Если ребёнок работает под этой же учётной записью, снимите флажок."
LangString PracticeOption ${LANG_RUSSIAN} "Чаще давать то, что ребёнку трудно"
LangString PracticeNote ${LANG_RUSSIAN} "Примеры и слова с ошибками будут возвращаться, пока не запомнятся."
LangString OptionsLater ${LANG_RUSSIAN} "Автозапуск и предмет можно изменить и потом, в окне настроек quorvel: Ctrl+N в окошке для ответа."

LangString FinishText ${LANG_RUSSIAN} "quorvel установлен в папку $INSTDIR, его настройки, словарь, журнал и отчёт - в папку $DataFolder. Словарь и отчёт открываются из меню $\"Пуск$\" -> quorvel."
LangString FinishStartUp ${LANG_RUSSIAN} " Примеры появятся при следующем включении компьютера."
LangString FinishSettings ${LANG_RUSSIAN} "$\r$\n$\r$\nОкно настроек для родителей открывается сочетанием Ctrl+N в окошке для ответа."
LangString FinishReadme ${LANG_RUSSIAN} "Открыть памятку для родителей"
LangString OldFolderKept ${LANG_RUSSIAN} "В прежней папке $OldFolder остались файлы, которые программа установки не ставила; они не тронуты:"

LangString UninstallDone ${LANG_RUSSIAN} "quorvel удалён с компьютера."
LangString UninstallKeptData ${LANG_RUSSIAN} "В папке $DataFolder остались файлы, которые вы или quorvel изменили или добавили; они не удалены:"
LangString UninstallKeptProgram ${LANG_RUSSIAN} "В папке $INSTDIR остались файлы, которые программа установки не ставила:"
LangString DictionaryFile ${LANG_RUSSIAN} "(словарь)"
LangString DictionaryChanged ${LANG_RUSSIAN} "(словарь изменён)"
LangString JournalFile ${LANG_RUSSIAN} "(журнал)"
LangString ReportFile ${LANG_RUSSIAN} "(отчёт)"
LangString SettingsFile ${LANG_RUSSIAN} "(настройки)"
LangString MoreFiles ${LANG_RUSSIAN} "и другие"

; --- the Start menu ---

LangString ReadmeShortcut ${LANG_RUSSIAN} "Памятка для родителей"
LangString ReportShortcut ${LANG_RUSSIAN} "Отчёт"
LangString DictionaryShortcut ${LANG_RUSSIAN} "Словарь"

; --- refusals ---

LangString NeedAdministrator ${LANG_RUSSIAN} "Для установки quorvel нужны права администратора: quorvel ставится для всех пользователей компьютера. Щёлкните программу установки правой кнопкой мыши и выберите $\"Запуск от имени администратора$\"."
LangString UnNeedAdministrator ${LANG_RUSSIAN} "Для удаления quorvel нужны права администратора. Удалите quorvel через $\"Параметры$\" -> $\"Приложения$\" из учётной записи администратора."
LangString SubjectRefused ${LANG_RUSSIAN} "Параметр /SUBJECT= принимает только 0 (таблица умножения), 1 (Eng>R) или 2 (Rus>E)."
LangString RefusedNetwork ${LANG_RUSSIAN} "quorvel нельзя поставить в сетевую папку $\"$INSTDIR$\": права на неё задаёт другой компьютер. Выберите папку на диске этого компьютера, например $PROGRAMFILES\quorvel."
LangString RefusedPath ${LANG_RUSSIAN} "$\"$INSTDIR$\" - не полный путь к папке. Укажите его с буквой диска, например $PROGRAMFILES\quorvel."
LangString RefusedNoDrive ${LANG_RUSSIAN} "Диска, на котором указана папка $\"$INSTDIR$\", на этом компьютере нет. Выберите другую папку, например $PROGRAMFILES\quorvel."
LangString RefusedRoot ${LANG_RUSSIAN} "quorvel нельзя поставить в корень диска. Выберите папку, например $PROGRAMFILES\quorvel."
LangString RefusedSystem ${LANG_RUSSIAN} "$\"$INSTDIR$\" - папка Windows или общая папка программ, а quorvel нужна папка для него одного. Выберите, например, $PROGRAMFILES\quorvel."
LangString RefusedData ${LANG_RUSSIAN} "В папке $DataFolder quorvel хранит настройки, словарь и отчёт, и менять её могут все пользователи: программу туда ставить нельзя. Выберите другую папку, например $PROGRAMFILES\quorvel."
LangString RefusedDataBlocked ${LANG_RUSSIAN} "На месте папки $DataFolder, где quorvel хранит настройки, словарь и отчёт, лежит файл. Удалите или переименуйте его и запустите программу установки снова."
LangString RefusedFile ${LANG_RUSSIAN} "$\"$INSTDIR$\" - это файл или путь через файл, а не папка. Выберите папку, например $PROGRAMFILES\quorvel."
LangString RefusedLink ${LANG_RUSSIAN} "Папка $\"$INSTDIR$\" - ссылка на другую папку. Выберите обычную папку, например $PROGRAMFILES\quorvel."
LangString RefusedForeign ${LANG_RUSSIAN} "В папке $\"$INSTDIR$\" уже есть файлы. quorvel ставится только в новую или пустую папку или туда, куда его уже поставила эта программа установки. Выберите другую папку, например $PROGRAMFILES\quorvel."
LangString RefusedOld ${LANG_RUSSIAN} "Папку $\"$Earlier$\" quorvel 1.0 открыл для записи всем пользователям, и в ней есть файлы, которые он не ставил, поэтому ставить туда программу нельзя. Выберите другую, новую папку. Настройки, словарь, журнал и отчёт программа установки перенесёт оттуда в $DataFolder."

; --- progress and failures ---

LangString FolderNotCreated ${LANG_RUSSIAN} "Не удалось создать папку $INSTDIR. Установка прервана."
LangString DataFolderNotMade ${LANG_RUSSIAN} "Не удалось создать папку $DataFolder для настроек, словаря и отчёта. Установка прервана."
LangString RightsNotSet ${LANG_RUSSIAN} "Не удалось задать права доступа к папке. Установка прервана."
LangString FolderChanged ${LANG_RUSSIAN} "Пока программа установки задавала права доступа к папке $INSTDIR, в ней появились чужие файлы. Установка прервана."
LangString FilesNotWritten ${LANG_RUSSIAN} "Не удалось записать quorvel.exe, readme.txt или uninstall.exe в папку $INSTDIR. Установка прервана."
LangString QuizEnded ${LANG_RUSSIAN} "Закрыта запущенная программа quorvel.exe."
LangString FileMoved ${LANG_RUSSIAN} "Перенесён в папку $DataFolder:"
LangString LinkRemoved ${LANG_RUSSIAN} "Удалена ссылка, подложенная в папку для данных quorvel."
LangString SettingsNotWritten ${LANG_RUSSIAN} "Не удалось записать quorvel.ini: quorvel начнёт с таблицы умножения."
LangString StartUpNotWritten ${LANG_RUSSIAN} "Не удалось записать автозапуск quorvel. Включите его в окне настроек quorvel (Ctrl+N), запустив его от имени администратора."
LangString ChoicesNotWritten ${LANG_RUSSIAN} "Не удалось записать в реестр выбор $\"Чаще давать то, что ребёнку трудно$\" или список учётных записей без заданий."
LangString RecordNotWritten ${LANG_RUSSIAN} "Не удалось записать в реестр сведения об установке: quorvel может не найти папку $DataFolder."
