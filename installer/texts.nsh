; Every text of the setup program and the uninstaller that the standard Russian strings do not give.

LangString WelcomeText ${LANG_RUSSIAN} "quorvel показывает при каждом включении компьютера окно с тремя примерами из таблицы умножения или с английскими словами. Компьютер свободен, когда ребёнок даст три верных ответа.$\r$\n$\r$\nПрограмма установки скопирует quorvel в папку, где он сможет хранить свои настройки, и включит его запуск при включении компьютера для всех пользователей.$\r$\n$\r$\n$_CLICK"

LangString FolderText ${LANG_RUSSIAN} "quorvel хранит настройки и словарь рядом с собой, поэтому ребёнку нужно право записи в его папку. Папка в корне системного диска, например C:\quorvel, даёт это право сама; для любой другой папки его даст программа установки.$\r$\n$\r$\nЧтобы выбрать другую папку, нажмите кнопку $\"Обзор...$\"."

LangString FolderRefused ${LANG_RUSSIAN} "quorvel нельзя поставить в папку $\"$INSTDIR$\". Программа установки даёт всем пользователям право менять файлы в папке quorvel, поэтому это не может быть корень диска, папка Windows или Program Files, и в папке не должно быть чужих файлов.$\r$\n$\r$\nВыберите новую папку, например C:\quorvel."

LangString OptionsTitle ${LANG_RUSSIAN} "Параметры"
LangString OptionsSubtitle ${LANG_RUSSIAN} "Когда запускать quorvel и что спрашивать."
LangString StartUpOption ${LANG_RUSSIAN} "Запускать при включении компьютера"
LangString StartUpNote ${LANG_RUSSIAN} "Для всех пользователей этого компьютера."
LangString SubjectQuestion ${LANG_RUSSIAN} "Какой предмет изучаем?"
LangString SubjectKept ${LANG_RUSSIAN} "В этой папке уже есть файл настроек quorvel.ini: предмет из него сохранится."
LangString OptionsLater ${LANG_RUSSIAN} "Всё это можно изменить и потом, в окне настроек quorvel: Ctrl+N в окошке для ответа."

LangString SubjectRefused ${LANG_RUSSIAN} "Параметр /SUBJECT= принимает только 0 (таблица умножения), 1 (Eng>R) или 2 (Rus>E)."
LangString FolderNotCreated ${LANG_RUSSIAN} "Не удалось создать папку $INSTDIR."
LangString RightsGranted ${LANG_RUSSIAN} "Пользователи компьютера получили право записи в папку."
LangString RightsNotGranted ${LANG_RUSSIAN} "Не удалось дать пользователям право записи в папку (icacls: $0). Если ребёнок работает не под администратором, quorvel не сможет сохранять настройки."
LangString FilesNotWritten ${LANG_RUSSIAN} "Не удалось записать quorvel.exe или readme.txt в папку $INSTDIR. Установка прервана."
LangString QuizEnded ${LANG_RUSSIAN} "Закрыта запущенная программа quorvel.exe."
LangString SettingsNotWritten ${LANG_RUSSIAN} "Не удалось записать quorvel.ini: quorvel начнёт с таблицы умножения."
LangString StartUpNotWritten ${LANG_RUSSIAN} "Не удалось записать автозапуск quorvel. Включите его в окне настроек quorvel (Ctrl+N), запустив его от имени администратора."
LangString ShortcutName ${LANG_RUSSIAN} "quorvel - памятка для родителей"

LangString FinishText ${LANG_RUSSIAN} "quorvel установлен в папку $INSTDIR."
LangString FinishStartUp ${LANG_RUSSIAN} " Примеры появятся при следующем включении компьютера."
LangString FinishSettings ${LANG_RUSSIAN} "$\r$\n$\r$\nОкно настроек для родителей открывается сочетанием Ctrl+N в окошке для ответа."
LangString FinishReadme ${LANG_RUSSIAN} "Открыть памятку для родителей"

LangString UninstallDone ${LANG_RUSSIAN} "quorvel удалён с компьютера."
LangString UninstallKept ${LANG_RUSSIAN} "quorvel удалён. В папке $INSTDIR остались файлы, которые программа удаления не ставила или которые были изменены; они не удалены:"
LangString UninstallKeptEnd ${LANG_RUSSIAN} "Если они больше не нужны, удалите их сами."
LangString DictionaryChanged ${LANG_RUSSIAN} "(словарь изменён)"
LangString MoreFiles ${LANG_RUSSIAN} "и другие"
