<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>TAboutBox</name>
    <message>
        <source>Про програму</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Версія %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Оцінювання невизначеності вимірювань за методом GUM</source>
        <translation>Оценивание неопределенности измерений по методу GUM</translation>
    </message>
    <message>
        <source>Розробка: команда Ormeta</source>
        <translation>Разработка: команда Ormeta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TBudgetTab</name>
    <message>
        <source>Рівень довіри</source>
        <translation>Уровень доверия</translation>
    </message>
    <message>
        <source>Рівень довіри (ймовірність охоплення), число від 0 до 1</source>
        <translation>Уровень доверия (вероятность охвата), число от 0 до 1</translation>
    </message>
    <message>
        <source>Нормальний</source>
        <translation>Нормальное</translation>
    </message>
    <message>
        <source>Рівномірний</source>
        <translation>Равномерное</translation>
    </message>
    <message>
        <source>Розподіл Стюдента</source>
        <translation>Распределение Стюдента</translation>
    </message>
    <message>
        <source>Не заданий(автоматичний)</source>
        <translation>Не задано(автоматически)</translation>
    </message>
    <message>
        <source>Розподіл вихідної величини, за яким обчислюється коефіцієнт охоплення</source>
        <translation>Распределение выходной величины, по которому вычисляется коэффициент охвата</translation>
    </message>
    <message>
        <source>Розподіл вихідної величини:</source>
        <translation>Распределение выходной величины:</translation>
    </message>
    <message>
        <source>Стандартна невизначеність</source>
        <translation>Стандартная неопределенность</translation>
    </message>
    <message>
        <source>Коефіцієнт охоплення(покриття)</source>
        <translation>Коэффициент охвата(покрытия)</translation>
    </message>
    <message>
        <source>Розширена невизначеність</source>
        <translation>Расширенная неопределенность</translation>
    </message>
    <message>
        <source>Степені свободи:</source>
        <translation>Степени свободы:</translation>
    </message>
    <message>
        <source>Результат оцінювання</source>
        <translation>Результат оценивания</translation>
    </message>
</context>
<context>
    <name>TCalibM</name>
    <message>
        <source>Результати калібрування</source>
        <translation>Результаты калибровки</translation>
    </message>
    <message>
        <source>Результати:</source>
        <translation>Результаты:</translation>
    </message>
    <message>
        <source>Закрити</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>EvaluationFileDialog</name>
    <message>
        <source>Відкрити файл невизначеності</source>
        <translation>Открыть файл неопределенности</translation>
    </message>
    <message>
        <source>Файли невизначеності</source>
        <translation>Файлы неопределенности</translation>
    </message>
    <message>
        <source>Будь-які файли</source>
        <translation>Любые файлы</translation>
    </message>
    <message>
        <source>Зберегти файл невизначеності</source>
        <translation>Сохранить файл неопределенности</translation>
    </message>
</context>
<context>
    <name>TConfirmDlg</name>
    <message>
        <source>Вихід</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Зберегти поточну роботу?</source>
        <translation>Сохранить текущую работу?</translation>
    </message>
    <message>
        <source>Так</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Повернутися</source>
        <translation>Вернуться</translation>
    </message>
    <message>
        <source>Ні</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>TFormula</name>
    <message>
        <source>Формула математичної моделі вимірювання(залежність результату вимірювання від вхідних величин)</source>
        <translation>Формула математической модели измерения(зависимость результата измерения от входных величин)</translation>
    </message>
    <message>
        <source>Крупніше</source>
        <translation>Крупнее</translation>
    </message>
    <message>
        <source>Формула крупніше</source>
        <translation>Формула крупнее</translation>
    </message>
    <message>
        <source>Дрібніше</source>
        <translation>Мельче</translation>
    </message>
    <message>
        <source>Форумла дрібніше</source>
        <translation>Формула мельче</translation>
    </message>
    <message>
        <source>Позначення результату вимірювання</source>
        <translation>Обозначение результата измерения</translation>
    </message>
    <message>
        <source>Поле задання формули</source>
        <translation>Поле задания формулы</translation>
    </message>
    <message>
        <source>Одиниця вимірювання результату:</source>
        <translation>Единица измерения результата:</translation>
    </message>
    <message>
        <source>Тут розміщені позначення змінних джерел(складових) невизначеності</source>
        <translation>Здесь размещены обозначения переменных источников(составляющих) неопределенности</translation>
    </message>
    <message>
        <source>Підтвердити зміни до математичної моделі</source>
        <translation>Подтвердить изменения математической модели</translation>
    </message>
    <message>
        <source>Відмінити</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Повернутися до головного вікна без збереження змін</source>
        <translation>Вернуться в главное окно без сохранения изменений</translation>
    </message>
    <message>
        <source>поділити</source>
        <translation>разделить</translation>
    </message>
    <message>
        <source>помножити</source>
        <translation>умножить</translation>
    </message>
    <message>
        <source>відняти</source>
        <translation>вычесть</translation>
    </message>
    <message>
        <source>Розділювач цілої та дрібної частини</source>
        <translation>Разделитель целой и дробной части</translation>
    </message>
    <message>
        <source>Видалити символ перед курсором</source>
        <translation>Удалить символ перед курсором</translation>
    </message>
    <message>
        <source>додати</source>
        <translation>прибавить</translation>
    </message>
    <message>
        <source>Квадратний корінь</source>
        <translation>Квадратный корень</translation>
    </message>
    <message>
        <source>Возведення у стпепінь</source>
        <translation>Возведение в степень</translation>
    </message>
</context>
<context>
    <name>TLSFF</name>
    <message>
        <source>результати калібрування</source>
        <translation>результаты калибровки</translation>
    </message>
    <message>
        <source>апроксимація МНК</source>
        <translation>аппроксимация МНК</translation>
    </message>
    <message>
        <source>Графік будувати відносно величини що</source>
        <translation>График строить относительно величины, которая</translation>
    </message>
    <message>
        <source>спостерігається</source>
        <translation>наблюдается</translation>
    </message>
    <message>
        <source>вимірюється</source>
        <translation>измеряется</translation>
    </message>
    <message>
        <source>Закрити</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Головне та вкладені оцінювання. Натисніть для переходу</source>
        <translation>Главное и вложенные оценивания. Нажмите для перехода</translation>
    </message>
    <message>
        <source>Модель оцінювання</source>
        <translation>Модель оценивания</translation>
    </message>
    <message>
        <source>Джерела(складові) невизначеності</source>
        <translation>Источники неопределенности</translation>
    </message>
    <message>
        <source>Кореляція</source>
        <translation>Корреляция</translation>
    </message>
    <message>
        <source>Бюджет невизначеності</source>
        <translation>Бюджет неопределенности</translation>
    </message>
    <message>
        <source>Новий</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Створити новий файл оцінювання</source>
        <translation>Создать новый файл оценивания</translation>
    </message>
    <message>
        <source>Відкрити...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Відкрити файл оцінювання</source>
        <translation>Открыть файл оценивания</translation>
    </message>
    <message>
        <source>Зберегти</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Зберегти дані у поточний файл</source>
        <translation>Сохранить данные в текущий файл</translation>
    </message>
    <message>
        <source>Зберегти як...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Зберегти дані у новий файл</source>
        <translation>Сохранить данные в новый файл</translation>
    </message>
    <message>
        <source>Вийти</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Обчислити</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Діаграма Парето...</source>
        <translation>Диаграмма Парето...</translation>
    </message>
    <message>
        <source>Друк звіту...</source>
        <translation>Печать отчета...</translation>
    </message>
    <message>
        <source>Опції...</source>
        <translation>Опции...</translation>
    </message>
    <message>
        <source>Про програму</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Додати нову...</source>
        <translation>Добавить новую...</translation>
    </message>
    <message>
        <source>Підтвердити зміни</source>
        <translation>Подтвердить изменения</translation>
    </message>
    <message>
        <source>Видалити</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Робота</source>
        <translation>Работа</translation>
    </message>
    <message>
        <source>Мова</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Матриця кореляції</source>
        <translation>Матрица корреляции</translation>
    </message>
</context>
<context>
    <name>TModelTab</name>
    <message>
        <source>Текстовий опис</source>
        <translation>Текстовое описание</translation>
    </message>
    <message>
        <source>У дане поле вводиться опис вимірювання та оцінювання невизначеності</source>
        <translation>В данное поле вводится описание измерения и оценивания неопределенности</translation>
    </message>
    <message>
        <source>У дане поле вводиться текстовий опис математичної моделі вимірювання, которкий опис змінних</source>
        <translation>В данное поле вводится текстовое описание математической модели измерения, краткое описание переменных</translation>
    </message>
    <message>
        <source>Опис оцінювання:</source>
        <translation>Описание оценивания:</translation>
    </message>
    <message>
        <source>Опис моделі:</source>
        <translation>Описание модели:</translation>
    </message>
    <message>
        <source>Математична модель вимірювання</source>
        <translation>Математическая модель измерения</translation>
    </message>
    <message>
        <source>Натисніть для редагування</source>
        <translation>Нажмите для редактирования</translation>
    </message>
    <message>
        <source>Редагувати</source>
        <translation>Редактировать</translation>
    </message>
    <message>
        <source>Редагування формули математичної моделі</source>
        <translation>Редактирование формулы математической модели</translation>
    </message>
    <message>
        <source>Формула математичної моделі:</source>
        <translation>Формула математической модели:</translation>
    </message>
    <message>
        <source>Одиниця вимірювання результату:</source>
        <translation>Единица измерения результата:</translation>
    </message>
</context>
<context>
    <name>TNewDialog</name>
    <message>
        <source>Введіть позначення змінної</source>
        <translation>Введите обозначение переменной</translation>
    </message>
    <message>
        <source>Змінна:</source>
        <translation>Переменная:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TOKBottomDlg1</name>
    <message>
        <source>Вкажіть кількість</source>
        <translation>Укажите количество</translation>
    </message>
    <message>
        <source>Вкажіть підраховану кількість:</source>
        <translation>Укажите подсчитанное количество:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Повернутися</source>
        <translation>Вернуться</translation>
    </message>
</context>
<context>
    <name>TParetoForm</name>
    <message>
        <source>Діаграма Парето джерел(складових) невизначеності</source>
        <translation>Диаграмма Парето источников(составляющих) неопределенности</translation>
    </message>
    <message>
        <source>Закрити</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TPrintForm</name>
    <message>
        <source>Друк звіту</source>
        <translation>Печать отчета</translation>
    </message>
    <message>
        <source>Друкувати детально джерела невизначеності</source>
        <translation>Печатать детально источники неопределенности</translation>
    </message>
    <message>
        <source>Друкувати детально вкладені оцінювання</source>
        <translation>Печатать детально вложенные оценивания</translation>
    </message>
    <message>
        <source>Друкувати діаграму Парето</source>
        <translation>Печатать диаграмму Парето</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Відмінити</source>
        <translation>Отменить</translation>
    </message>
</context>
<context>
    <name>TReportPreview</name>
    <message>
        <source>Перегляд звіту</source>
        <translation>Просмотр отчета</translation>
    </message>
    <message>
        <source>Перша сторінка</source>
        <translation>Первая страница</translation>
    </message>
    <message>
        <source>Попередня сторінка</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>із %1</source>
        <translation>из %1</translation>
    </message>
    <message>
        <source>Наступна сторінка</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Остання сторінка</source>
        <translation>Последняя страница</translation>
    </message>
    <message>
        <source>За шириною сторінки</source>
        <translation>По ширине страницы</translation>
    </message>
    <message>
        <source>Сторінка цілком</source>
        <translation>Страница целиком</translation>
    </message>
    <message>
        <source>Друк...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Експорт у PDF...</source>
        <translation>Экспорт в PDF...</translation>
    </message>
    <message>
        <source>Експорт у RTF...</source>
        <translation>Экспорт в RTF...</translation>
    </message>
    <message>
        <source>Закрити</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Експорт у PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>Документи PDF (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Експорт у RTF</source>
        <translation>Экспорт в RTF</translation>
    </message>
    <message>
        <source>Документи RTF (*.rtf)</source>
        <translation>Документы RTF (*.rtf)</translation>
    </message>
</context>
<context>
    <name>TValuesF</name>
    <message>
        <source>Значення</source>
        <translation>Значения</translation>
    </message>
    <message>
        <source>Закрити</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TfmOptions</name>
    <message>
        <source>Опції</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Формат чисел</source>
        <translation>Формат чисел</translation>
    </message>
    <message>
        <source>Виводити числа в звичайній формі</source>
        <translation>Выводить числа в обычной форме</translation>
    </message>
    <message>
        <source>Макс. кількість знаків після коми</source>
        <translation>Макс. количество знаков после запятой</translation>
    </message>
    <message>
        <source>Максимальна кількість знаків після коми в виведених числах</source>
        <translation>Максимальное количество знаков после запятой в выводимых числах</translation>
    </message>
    <message>
        <source>Виводити числа в експоненційній формі</source>
        <translation>Выводить числа в экспоненциальной форме</translation>
    </message>
    <message>
        <source>Виводити числа в &quot;науковій&quot; чи &quot;нормованій&quot; формі: х.ххххЕ хх</source>
        <translation>Выводить числа в &quot;научной&quot; или &quot;нормированной&quot; форме: х.ххххЕ хх</translation>
    </message>
    <message>
        <source>Кількість знаків після коми</source>
        <translation>Количество знаков после запятой</translation>
    </message>
    <message>
        <source>Максимальна кількість знаків після коми в виведених нормованих числах</source>
        <translation>Максимальное количество знаков после запятой в выводимых нормированных числах</translation>
    </message>
    <message>
        <source>Підтвердити зміни</source>
        <translation>Подтвердить изменения</translation>
    </message>
    <message>
        <source>Закрити вікно</source>
        <translation>Закрыть окно</translation>
    </message>
</context>
<context>
    <name>TCorrelationTab</name>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="38"/>
        <source>Вибір джерела невизначеності</source>
        <translation>Выбор источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="90"/>
        <source>Задати коефіцієнти кореляціїї</source>
        <translation>Задать коэффициенты корреляции</translation>
    </message>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="93"/>
        <source>корелює з:</source>
        <translation>коррелирует с:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="96"/>
        <source>Коефіцієнт кореляції:</source>
        <translation>Коэффициент корреляции:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="99"/>
        <source>Змінити</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="101"/>
        <source>Змінити поточне значення коефіцієнта кореляції</source>
        <translation>Изменить текущее значение коэффициента корреляции</translation>
    </message>
    <message>
        <location filename="../src/ui/main/correlation_tab.cpp" line="102"/>
        <source>Вирахувати</source>
        <translation>Вычислить</translation>
    </message>
</context>
<context>
    <name>TInputEditor</name>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="141"/>
        <source>Вибір змінної</source>
        <translation>Выбор переменной</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="142"/>
        <source>Перелік існуючих джерел невизначеності.</source>
        <translation>Перечень существующих источников неопределенности.</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="148"/>
        <source>Змінна:</source>
        <translation>Переменная:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="149"/>
        <source>Позначення змінної джерела невизначеності</source>
        <translation>Обозначение переменной источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="150"/>
        <source>Одиниця вимірювання:</source>
        <translation>Единица измерения:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="153"/>
        <source>Текстовий опис джерела невизначеності</source>
        <translation>Текстовое описание источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="154"/>
        <source>Тип оцінювання невизначеності</source>
        <translation>Тип оценивания неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="155"/>
        <source>Тип А</source>
        <translation>Тип А</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="155"/>
        <source>Тип В</source>
        <translation>Тип В</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="155"/>
        <source>обчислюється</source>
        <translation>вычисляется</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="155"/>
        <source>калібрувальна</source>
        <translation>калибровочная</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="157"/>
        <source>Керування джерелами(складовими)</source>
        <translation>Управление источниками(составляющими)</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="158"/>
        <source>Додати нову...</source>
        <translation>Добавить новую...</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="158"/>
        <source>Додання нового джерела невизначеності</source>
        <translation>Добавление нового источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="159"/>
        <source>Підтвердити зміни</source>
        <translation>Подтвердить изменения</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="160"/>
        <source>Підтвердження змін для поточного джерела невизначеності</source>
        <translation>Подтверждение изменений для текущего источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="161"/>
        <source>Видалити</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="161"/>
        <source>Видалення джерела невизначеності</source>
        <translation>Удаление источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="172"/>
        <source>Текстовий опис:</source>
        <translation>Текстовое описание:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="173"/>
        <source>Тип:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="180"/>
        <source>По типу А</source>
        <translation>По типу А</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="182"/>
        <source>Спосіб оцінювання невизначеності за типом А</source>
        <translation>Способ оценивания неопределенности по типу А</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="183"/>
        <source>Експериментальне</source>
        <translation>Экспериментальное</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="183"/>
        <source>Попередньо оцінене</source>
        <translation>Предварительно оцененное</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="184"/>
        <source>Кількість спостережень:</source>
        <translation>Количество наблюдений:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="185"/>
        <source>Ввести значення</source>
        <translation>Ввести значения</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="185"/>
        <source>Натисніть для введення результатів спостережень</source>
        <translation>Нажмите для ввода результатов наблюдений</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="187"/>
        <source>Підрахунок КУО</source>
        <translation>Подсчет КОЕ</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="187"/>
        <source>Натисніть для введення підрахованої кількості</source>
        <translation>Нажмите для ввода подсчитанного количества</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="188"/>
        <source>Стандартне відхилення:</source>
        <translation>Стандартное отклонение:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="189"/>
        <source>Степені свободи:</source>
        <translation>Степени свободы:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="191"/>
        <source>Нормировать значение</source>
        <translation>Нормировать значение</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="199"/>
        <source>Оцінювання невизначеності:</source>
        <translation>Оценивание неопределенности:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="211"/>
        <source>По типу В</source>
        <translation>По типу В</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="214"/>
        <source>Тип апріорного розподілу імовірностей джерела невизначеності</source>
        <translation>Тип априорного распределения вероятностей источника неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="216"/>
        <source>Нормальний</source>
        <translation>Нормальное</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="216"/>
        <source>Рівномірний</source>
        <translation>Равномерное</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="216"/>
        <source>Трикутний</source>
        <translation>Треугольное</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="216"/>
        <source>Трапецеподібний</source>
        <translation>Трапецеидальное</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="216"/>
        <source>U-розподіл</source>
        <translation>U-Распределение</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="217"/>
        <source>Параметри розподілів:</source>
        <translation>Параметры распределений:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="219"/>
        <source>Спосіб задання параметрів розподілу</source>
        <translation>Способ задания параметров распределения</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="220"/>
        <source>Верхня/нижня межа</source>
        <translation>Верхняя/нижняя граница</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="220"/>
        <source>Центр/півширина</source>
        <translation>Центр/полуширина</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="222"/>
        <source>Параметри розподілу</source>
        <translation>Параметры распределения</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="229"/>
        <source>Степені свободи</source>
        <translation>Степени свободы</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="233"/>
        <source>Вид розподілу:</source>
        <translation>Вид распределения:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="243"/>
        <source>Джерело невизначеності обчислюється</source>
        <translation>Источник неопределенности вычисляется</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="246"/>
        <source>Це джерело невизначеності оцінюється згідно</source>
        <translation>Этот источник неопределенности оценивается согласно</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="246"/>
        <source>своєї математичної моделі та власних джерел</source>
        <translation>своей математической модели и собственных источников</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="247"/>
        <source>невизначеності.</source>
        <translation>неопределенности.</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="247"/>
        <source>Перемикатися між змінним можна за допомогою </source>
        <translation>Переключаться между переменными можно с помощью </translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="247"/>
        <source>панелі зліва  </source>
        <translation>панели слева  </translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="250"/>
        <source>Завантажити стандартне з файлу...</source>
        <translation>Загрузить стандартное из файла...</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="251"/>
        <source>Завантажити вкладене оцінювання з файлу невизначеності</source>
        <translation>Загрузить вложенное оценивание из файла неопределенности</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="252"/>
        <source>Завантаження джерела невизначеності </source>
        <translation>Загрузка источника неопределенности </translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="252"/>
        <source>відбудеться з наступного файлу:</source>
        <translation>произойдет из следующего файла:</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="269"/>
        <source>Невизначеність, що вноситься калібруванням</source>
        <translation>Неопределенность, вносимая калибровкой</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="271"/>
        <source>кількість вимірювань для калібрування</source>
        <translation>количество измерений для калибровки</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="272"/>
        <source>кількість стандартних зразків для калібрування</source>
        <translation>количество стандартных образцов для калибровки</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="273"/>
        <source>задати дані калібрування</source>
        <translation>задать данные калибровки</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="274"/>
        <source>кількість вимірювань</source>
        <translation>количество измерений</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="275"/>
        <source>Кількість вимірювань зразку, невизначеність вимірювання якого оцінюється</source>
        <translation>Количество измерений образца, неопределенность измерения которого оценивается</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="276"/>
        <source>Результати</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="282"/>
        <source>результат калібрування</source>
        <translation>результат калибровки</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="282"/>
        <source>Графік калібрування, побудований за МНК</source>
        <translation>График калибровки, построенный по МНК</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="284"/>
        <source>Квадратична апроксимація</source>
        <translation>Квадратичная аппроксимация</translation>
    </message>
    <message>
        <location filename="../src/ui/main/input_editor.cpp" line="286"/>
        <source>Апроксимація квадратичною залежністю</source>
        <translation>Аппроксимация квадратичной зависимостью</translation>
    </message>
</context>
</TS>
