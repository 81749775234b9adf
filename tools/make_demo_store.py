#!/usr/bin/env python3
"""Generates the demo store shipped with the default installation.

Writes install/data/prodlist.txt (products), install/data/Shelves.txt (map
elements) and install/data/zonedef.txt (zones) in Windows-1252 with CRLF line
ends, the form the kiosk's own import reads. The store: a two-floor
supermarket, 540 x 280 map units, the entrance and the kiosk (150, 300) on
the ground floor (floor 1), non-food upstairs (floor 2).

Usage: tools/make_demo_store.py [INSTALL_DIR]   (default: install/ beside tools/)
"""
import itertools
import math
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "install")

KIOSK = (150, 300, 1)

FLOOR_TEXT = {
    1: ("Ground floor - Rez-de-chaussée", "Piano terra - Planta baja - Rés-do-chão"),
    2: ("First floor - Premier étage", "Primo piano - Primera planta - Primeiro andar"),
}
AISLE_WORD = ("Aisle", "Rayon", "Corsia", "Pasillo", "Corredor")

# Gondola x positions (west edge); each gondola is two 4-unit faces, A (west)
# and B (east), running from y 110 to y 250. Floor 1 has G1..G8, floor 2
# G9..G16 at the same places.
GX = [170, 215, 260, 305, 350, 395, 440, 485]
G_TOP, G_BOTTOM = 110, 250

# ---------------------------------------------------------------------------
# Departments: code, floor, names (en, fr, it, es, pt), where, see-also, colour,
# shelves (ids; gondola faces "G<n>-A"/"G<n>-B" or counters defined below),
# exclusion code, products ("en|fr|it|es|pt|variant,variant").
# ---------------------------------------------------------------------------
DEPTS = [
 dict(code="Fruit & Veg", floor=1, aisle=None, colour=140,
      names=("Fruit & vegetables", "Fruits et légumes", "Frutta e verdura", "Frutas y verduras", "Frutas e legumes"),
      where="Left of the entrance", see="Fresh herbs and salads: Fruit & veg",
      shelves=["FV-01", "FV-02", "FV-03", "FV-04", "FV-05", "FV-06", "FLOWERS"],
      items="""apples|pommes|mele|manzanas|maçãs|Gala,Granny Smith,Braeburn,Pink Lady
bananas|bananes|banane|plátanos|bananas|loose @,=Fairtrade bananas,organic @
oranges|oranges|arance|naranjas|laranjas|navel,juicing
peaches|pêches|pesche|melocotones|pêssegos|
plums|prunes|prugne|ciruelas|ameixas|
cherries|cerises|ciliegie|cerezas|cerejas|
kiwi fruit|kiwis|kiwi|kiwis|kiwis|
mangoes|mangues|mango|mangos|mangas|
lemons|citrons|limoni|limones|limões|
limes|citrons verts|lime|limas|limas|
grapes|raisin|uva|uvas|uvas|green seedless,red seedless
strawberries|fraises|fragole|fresas|morangos|
blueberries|myrtilles|mirtilli|arándanos|mirtilos|
pears|poires|pere|peras|peras|Conference,Williams
pineapple|ananas|ananas|piña|ananás|
melon|melon|melone|melón|melão|Galia,cantaloupe
watermelon|pastèque|anguria|sandía|melancia|
avocados|avocats|avocado|aguacates|abacates|
tomatoes|tomates|pomodori|tomates|tomates|vine,cherry,plum|see=mozzarella cheese,olive oil
potatoes|pommes de terre|patate|patatas|batatas|white,baking,new
sweet potatoes|patates douces|patate dolci|boniatos|batata doce|
onions|oignons|cipolle|cebollas|cebolas|brown,red
spring onions|oignons verts|cipollotti|cebolletas|cebolinho|
carrots|carottes|carote|zanahorias|cenouras|
lettuce|laitue salade|lattuga insalata|lechuga|alface|iceberg,romaine
cucumber|concombre|cetriolo|pepino|pepino|
peppers|poivrons|peperoni|pimientos|pimentos|red,green,mixed
broccoli|brocoli|broccoli|brócoli|brócolos|
mushrooms|champignons|funghi|champiñones|cogumelos|button,chestnut
garlic|ail|aglio|ajo|alho|
courgettes+zucchini|courgettes|zucchine|calabacines|courgetes|
spinach|épinards|spinaci|espinacas|espinafres|
fresh herbs|herbes fraîches|erbe aromatiche|hierbas frescas|ervas aromáticas|=Fresh basil,=Fresh parsley,=Fresh coriander,=Fresh mint
aubergines+eggplant|aubergines|melanzane|berenjenas|beringelas|
leeks|poireaux|porri|puerros|alho-francês|
cabbage|chou|cavolo|repollo col|couve|
green beans|haricots verts|fagiolini|judías verdes|feijão-verde|
ginger|gingembre|zenzero|jengibre|gengibre|
chillies|piments|peperoncini|guindillas|malaguetas|
cauliflower|chou-fleur|cavolfiore|coliflor|couve-flor|
flowers|fleurs|fiori|flores|flores|=Rose bouquet,=Tulips,=Potted orchid|at=FLOWERS"""),
 dict(code="Bakery", floor=1, aisle=None, colour=166,
      names=("Bakery", "Boulangerie", "Panetteria", "Panadería", "Padaria"),
      where="Back wall, left corner", see="Butter and jam: Dairy, Aisle 1",
      shelves=["BK-01", "BK-02", "BK-03"],
      items="""bread|pain|pane|pan|pão|white sliced,wholemeal sliced,sourdough,rye,seeded|see=butter,jam
baguette|baguette|filone baguette|barra de pan|baguete|
croissants|croissants|cornetti|cruasanes|croissants|
bread rolls|petits pains|panini|panecillos|pãezinhos|
bagels|bagels|bagel|bagels|bagels|
cake|gâteau|torta|pastel tarta|bolo|chocolate,carrot,lemon drizzle
muffins|muffins|muffin|magdalenas|queques|blueberry,chocolate chip
doughnuts|beignets|ciambelle|donuts rosquillas|donuts|
pitta bread|pain pita|pane pita|pan de pita|pão pita|
tortilla wraps|tortillas|piadine|tortillas de trigo|tortilhas|
birthday cake|gâteau anniversaire|torta compleanno|tarta cumpleaños|bolo de anos|see=candles,greeting cards
custard tarts|flans pâtissiers|pasticcini|pasteles de nata|pastéis de nata|"""),
 dict(code="Deli", floor=1, aisle=None, colour=215,
      names=("Deli & cheese", "Traiteur et fromages", "Gastronomia e formaggi", "Charcutería y quesos", "Charcutaria e queijos"),
      where="Back wall, deli counter", see="Crackers: Aisle 4",
      shelves=["DC-01", "DC-02"],
      items="""ham|jambon|prosciutto cotto|jamón cocido|fiambre presunto|sliced,honey roast
cured ham|jambon cru|prosciutto crudo|jamón serrano|presunto|Parma,Serrano
salami|saucisson|salame|salchichón|salame|
chorizo|chorizo|chorizo|chorizo|chouriço|
olives|olives|olive|aceitunas|azeitonas|green,black
cheddar cheese|fromage cheddar|formaggio cheddar|queso cheddar|queijo cheddar|mild,mature,extra mature,grated
brie cheese|fromage brie|formaggio brie|queso brie|queijo brie|see=crackers,red wine
camembert cheese|fromage camembert|formaggio camembert|queso camembert|queijo camembert|see=baguette,red wine
mozzarella cheese|fromage mozzarella|formaggio mozzarella|queso mozzarella|queijo mozarela|see=tomatoes,fresh herbs
parmesan cheese|fromage parmesan|formaggio parmigiano|queso parmesano|queijo parmesão|see=pasta,pasta sauce
feta cheese|fromage feta|formaggio feta|queso feta|queijo feta|see=olives,cucumber
goat cheese|fromage de chèvre|formaggio di capra|queso de cabra|queijo de cabra|
hummus|houmous|hummus|hummus|homus|
quiche|quiche|torta salata|quiche|quiche|
roast chicken|poulet rôti|pollo arrosto|pollo asado|frango assado|"""),
 dict(code="Meat & Fish", floor=1, aisle=None, colour=207,
      names=("Meat & fish", "Boucherie et poissonnerie", "Macelleria e pescheria", "Carnicería y pescadería", "Talho e peixaria"),
      where="Back wall, butcher and fish counters", see="Herbs and spices: Aisle 3",
      shelves=["MF-01", "MF-02", "MF-03"],
      items="""beef mince|bœuf haché|carne macinata|carne picada|carne picada|5% fat,20% fat
steak|steak|bistecca|filete|bife|sirloin,rump,ribeye|see=potatoes,mustard
chicken breast|blanc de poulet|petto di pollo|pechuga de pollo|peito de frango|
whole chicken|poulet entier|pollo intero|pollo entero|frango inteiro|
chicken thighs|cuisses de poulet|cosce di pollo|muslos de pollo|coxas de frango|
pork chops|côtes de porc|braciole di maiale|chuletas de cerdo|costeletas de porco|
sausages|saucisses|salsicce|salchichas|salsichas|pork,beef,chicken
bacon|lardons bacon|pancetta|beicon|toucinho bacon|smoked,unsmoked|see=eggs,bread
lamb|agneau|agnello|cordero|borrego|=Leg of lamb,=Lamb chops
turkey|dinde|tacchino|pavo|peru|
salmon|saumon|salmone|salmón|salmão|@ fillets,smoked @|see=lemons,cream
cod|cabillaud|merluzzo|bacalao|bacalhau|@ fillets,salted @
tuna steak|thon frais|tonno fresco|atún fresco|atum fresco|
prawns+shrimp|crevettes|gamberi|gambas|camarões|
mussels|moules|cozze|mejillones|mexilhões|
hake|merlu|nasello|merluza|pescada|
squid|calamars|calamari|calamares|lulas|
octopus|poulpe|polpo|pulpo|polvo|
duck|canard|anatra|pato|pato|
sardines|sardines|sardine|sardinas|sardinhas|"""),
 dict(code="Dairy", floor=1, aisle=None, colour=201,
      names=("Dairy & eggs", "Produits laitiers et oeufs", "Latticini e uova", "Lácteos y huevos", "Laticínios e ovos"),
      where="Back wall, right corner chillers", see="Cereals: Aisle 1",
      shelves=["DY-01", "DY-02", "DY-03"],
      items="""milk|lait|latte|leche|leite|whole,semi-skimmed,skimmed,lactose-free|see=cereal,tea
oat drink|boisson avoine|bevanda avena|bebida avena|bebida aveia|
soya drink|boisson soja|bevanda soia|bebida soja|bebida soja|
butter|beurre|burro|mantequilla|manteiga|salted,unsalted|see=bread,jam
margarine+spread|margarine|margarina|margarina|margarina|
yoghurt|yaourt|yogurt|yogur|iogurte|natural,Greek,strawberry,vanilla
cream|crème|panna|nata|natas|single,double,whipping
sour cream|crème aigre|panna acida|nata agria|natas azedas|
eggs|œufs|uova|huevos|ovos|free range @ (6),free range @ (12),organic @ (6)|see=bacon,bread
cheese slices|fromage en tranches|formaggio a fette|queso en lonchas|queijo fatiado|
cottage cheese|fromage blanc|fiocchi di latte|requesón|queijo fresco|
custard|crème anglaise|crema pasticcera|natillas|creme de ovos|
fresh orange juice|jus orange frais|spremuta arancia|zumo naranja|sumo laranja|"""),
 dict(code="Frozen", floor=1, aisle=None, colour=134,
      names=("Frozen food", "Surgelés", "Surgelati", "Congelados", "Congelados"),
      where="Right wall and island freezers", see="Ice cubes: Frozen, island freezers",
      shelves=["FZ-01", "FZ-02", "FZ-03"],
      items="""frozen peas|petits pois surgelés|piselli surgelati|guisantes congelados|ervilhas congeladas|
frozen pizza|pizza surgelée|pizza surgelata|pizza congelada|pizza congelada|@ margherita,@ pepperoni,@ four cheese
ice cream|glace|gelato|helado|gelado|vanilla,chocolate,strawberry
ice lollies|bâtonnets glacés|ghiaccioli|polos helados|gelados de pau|
oven chips+fries|frites surgelées|patatine fritte|patatas fritas congeladas|batatas fritas|
fish fingers|bâtonnets de poisson|bastoncini di pesce|palitos de pescado|douradinhos|
frozen vegetables|légumes surgelés|verdure surgelate|verduras congeladas|legumes congelados|=Mixed frozen vegetables,=Frozen sweetcorn,=Frozen spinach
frozen berries|fruits rouges surgelés|frutti di bosco|frutos rojos|frutos vermelhos|
ice cubes|glaçons|cubetti di ghiaccio|cubitos de hielo|cubos de gelo|
frozen prawns|crevettes surgelées|gamberi surgelati|gambas congeladas|camarão congelado|
frozen meals|plats surgelés|piatti surgelati|platos congelados|refeições congeladas|=Frozen lasagne,=Frozen curry"""),
 dict(code="Breakfast", floor=1, aisle=1, colour=100,
      names=("Breakfast & hot drinks", "Petit-déjeuner et boissons chaudes", "Colazione e bevande calde", "Desayuno y bebidas calientes", "Pequeno-almoço e bebidas quentes"),
      where="", see="Milk and yoghurt: Dairy, back wall",
      shelves=["G1-B", "G2-A"],
      items="""cereal|céréales|cereali|cereales|cereais|=Cornflakes,=Muesli,=Granola,=Porridge oats,=Chocolate cereal|see=milk,bananas
jam|confiture|marmellata|mermelada|compota|strawberry,apricot,raspberry|see=bread,butter
honey|miel|miele|miel|mel|
chocolate spread|pâte à tartiner|crema spalmabile|crema de cacao|creme de chocolate|
peanut butter|beurre de cacahuète|burro di arachidi|crema de cacahuete|manteiga de amendoim|
marmalade|marmelade orange|marmellata arance|mermelada naranja|doce de laranja|
tea|thé|tè|té|chá|black,Earl Grey,green,herbal,camomile,peppermint|see=milk,biscuits
coffee|café|caffè|café|café|ground @,@ beans,instant @,decaf @,@ capsules|see=milk,sugar
hot chocolate|chocolat chaud|cioccolata calda|chocolate caliente|chocolate quente|
sugar|sucre|zucchero|azúcar|açúcar|white,brown|see=flour,tea
sweetener|édulcorant|dolcificante|edulcorante|adoçante|"""),
 dict(code="Pasta & Rice", floor=1, aisle=2, colour=45,
      names=("Pasta, rice & world foods", "Pâtes, riz et cuisine du monde", "Pasta, riso e cucina etnica", "Pasta, arroz y cocina del mundo", "Massas, arroz e cozinha do mundo"),
      where="", see="Parmesan: Deli counter",
      shelves=["G2-B", "G3-A"],
      items="""pasta|pâtes|pasta|pasta|massa|=Spaghetti,=Penne,=Fusilli,=Lasagne sheets,=Tagliatelle|see=pasta sauce,parmesan cheese
rice|riz|riso|arroz|arroz|long grain,basmati,risotto,paella,microwave|see=soy sauce,curry paste
noodles|nouilles|spaghetti cinesi|fideos|massa chinesa|egg,rice
couscous|couscous|cuscus|cuscús|cuscuz|
pasta sauce|sauce tomate|sugo|salsa de tomate|molho de tomate|tomato and basil,bolognese,pesto|see=pasta,parmesan cheese
soy sauce|sauce soja|salsa di soia|salsa de soja|molho de soja|
curry paste|pâte de curry|pasta di curry|pasta de curry|pasta de caril|
coconut milk|lait de coco|latte di cocco|leche de coco|leite de coco|
taco shells|tortillas mexicaines|tortillas messicane|tacos|tacos|
lentils|lentilles|lenticchie|lentejas|lentilhas|
chickpeas|pois chiches|ceci|garbanzos|grão-de-bico|
quinoa|quinoa|quinoa|quinoa|quinoa|"""),
 dict(code="Tins & Baking", floor=1, aisle=3, colour=227,
      names=("Tins, oils & baking", "Conserves, huiles et pâtisserie", "Scatolame, oli e dolci", "Conservas, aceites y repostería", "Conservas, óleos e pastelaria"),
      where="", see="Fresh tomatoes: Fruit & veg",
      shelves=["G3-B", "G4-A"],
      items="""baked beans|haricots à la tomate|fagioli al pomodoro|alubias con tomate|feijão com tomate|
chopped tomatoes|tomates concassées|polpa di pomodoro|tomate triturado|tomate pelado|
tinned tuna|thon en boîte|tonno in scatola|atún en lata|atum em lata|@ in oil,@ in brine|see=mayonnaise,sweetcorn
sweetcorn|maïs|mais|maíz|milho|
soup|soupe|zuppa|sopa|sopa|tomato,chicken,vegetable,mushroom
olive oil|huile d'olive|olio oliva|aceite de oliva|azeite|extra virgin,light
sunflower oil|huile tournesol|olio di semi|aceite de girasol|óleo de girassol|
vinegar|vinaigre|aceto|vinagre|vinagre|wine,balsamic
salt|sel|sale|sal|sal|
stock cubes|bouillon cubes|dado brodo|pastillas caldo|caldos|chicken,vegetable,beef
black pepper|poivre|pepe|pimienta|pimenta|
spices|épices|spezie|especias|especiarias|=Paprika,=Cumin,=Cinnamon,=Oregano|see=salt,black pepper
flour|farine|farina|harina|farinha|plain,self-raising,bread|see=sugar,eggs
yeast|levure|lievito|levadura|fermento|
baking powder|levure chimique|lievito in polvere|levadura química|fermento em pó|
ketchup|ketchup|ketchup|ketchup|ketchup|
mayonnaise|mayonnaise|maionese|mayonesa|maionese|
mustard|moutarde|senape|mostaza|mostarda|"""),
 dict(code="Snacks", floor=1, aisle=4, colour=34,
      names=("Biscuits, snacks & sweets", "Biscuits, snacks et confiserie", "Biscotti, snack e dolciumi", "Galletas, aperitivos y dulces", "Bolachas, snacks e doces"),
      where="", see="Soft drinks: Aisle 5",
      shelves=["G4-B", "G5-A"],
      items="""biscuits+cookies|biscuits|biscotti|galletas|bolachas|digestive @,chocolate @,shortbread @,=Cookies|see=tea,coffee
crackers|crackers|cracker|galletas saladas|bolachas de água e sal|see=brie cheese,cheddar cheese
crisps+chips|chips|patatine|patatas fritas|batatas fritas|ready salted,salt and vinegar,cheese and onion
popcorn|pop-corn|popcorn|palomitas|pipocas|
nuts|noix cacahuètes|frutta secca|frutos secos|frutos secos|=Salted peanuts,=Cashews,=Almonds,=Pistachios|see=beer,crisps
chocolate|chocolat|cioccolato|chocolate|chocolate|milk,dark,white
sweets+candy|bonbons|caramelle|caramelos|rebuçados|
chewing gum|chewing-gum|gomme da masticare|chicle|pastilhas elásticas|
cereal bars|barres de céréales|barrette ai cereali|barritas de cereales|barras de cereais|
rice cakes|galettes de riz|gallette di riso|tortitas de arroz|bolachas de arroz|"""),
 dict(code="Soft Drinks", floor=1, aisle=5, colour=87,
      names=("Soft drinks & water", "Boissons et eaux", "Bibite e acqua", "Refrescos y agua", "Refrigerantes e água"),
      where="", see="Ice cubes: Frozen food",
      shelves=["G5-B", "G6-A"],
      items="""water|eau|acqua|agua|água|still @ 1.5 l,sparkling @ 1.5 l,still @ 6 x 500 ml,flavoured @
cola|cola|cola|refresco de cola|refrigerante cola|regular,zero sugar
lemonade|limonade|limonata|gaseosa limón|limonada|
orange juice|jus d'orange|succo d'arancia|zumo de naranja|sumo de laranja|
apple juice|jus de pomme|succo di mela|zumo de manzana|sumo de maçã|
pineapple juice|jus d'ananas|succo di ananas|zumo de piña|sumo de ananás|
tomato juice|jus de tomate|succo di pomodoro|zumo de tomate|sumo de tomate|
energy drinks|boissons énergisantes|bevande energetiche|bebidas energéticas|bebidas energéticas|
iced tea|thé glacé|tè freddo|té helado|chá gelado|
squash+cordial|sirop|sciroppo|concentrado|xarope|orange,blackcurrant
tonic water|eau tonique|acqua tonica|tónica|água tónica|
sports drinks|boissons sport|bevande sportive|bebidas isotónicas|bebidas isotónicas|"""),
 dict(code="Beer & Wine", floor=1, aisle=6, colour=25, exclude="AGE18",
      names=("Beer, wine & spirits", "Bières, vins et spiritueux", "Birra, vino e liquori", "Cerveza, vino y licores", "Cerveja, vinho e bebidas espirituosas"),
      where="", see="Cheese board: Deli counter",
      shelves=["G6-B", "G7-A"],
      items="""beer|bière|birra|cerveza|cerveja|=Lager,=Ale,=Stout,=Alcohol-free beer|see=crisps,nuts
cider|cidre|sidro|sidra|sidra|
red wine|vin rouge|vino rosso|vino tinto|vinho tinto|see=cheddar cheese,crackers
white wine|vin blanc|vino bianco|vino blanco|vinho branco|
rose wine|vin rosé|vino rosato|vino rosado|vinho rosé|
sparkling wine|vin mousseux|spumante|espumoso|espumante|=Prosecco,=Champagne,=Cava
port wine|porto|porto|oporto|vinho do porto|
whisky|whisky|whisky|whisky|uísque|
vodka|vodka|vodka|vodka|vodka|
gin|gin|gin|ginebra|gin|
rum|rhum|rum|ron|rum|"""),
 dict(code="Free From", floor=1, aisle=7, colour=128,
      names=("Free-from & health foods", "Sans gluten et bio", "Senza glutine e biologico", "Sin gluten y ecológico", "Sem glúten e biológico"),
      where="", see="Fruit and vegetables: left of the entrance",
      shelves=["G7-B"],
      items="""gluten free bread|pain sans gluten|pane senza glutine|pan sin gluten|pão sem glúten|
gluten free pasta|pâtes sans gluten|pasta senza glutine|pasta sin gluten|massa sem glúten|
vegan cheese|fromage végétal|formaggio vegano|queso vegano|queijo vegan|
tofu|tofu|tofu|tofu|tofu|
veggie burgers|burgers végétariens|burger vegetali|hamburguesas vegetales|hambúrgueres vegetais|
protein bars|barres protéinées|barrette proteiche|barritas proteicas|barras proteicas|
seeds|graines|semi|semillas|sementes|chia,sunflower,pumpkin
dried fruit|fruits secs|frutta essiccata|fruta deshidratada|fruta seca|=Raisins,=Dried apricots,=Dates,=Prunes"""),
 dict(code="Ready Meals", floor=1, aisle=7, colour=240,
      names=("Ready meals & sandwiches", "Plats préparés et sandwichs", "Piatti pronti e tramezzini", "Platos preparados y sándwiches", "Refeições prontas e sandes"),
      where="", see="Frozen ready meals: Frozen food",
      shelves=["G8-A"],
      items="""ready meal|plat préparé|piatto pronto|plato preparado|refeição pronta|=Lasagne ready meal,=Chicken curry ready meal,=Cottage pie,=Macaroni cheese
sandwiches|sandwichs|tramezzini|sándwiches bocadillos|sandes|chicken @,egg mayo @,ham and cheese @
fresh pizza|pizza fraîche|pizza fresca|pizza fresca|pizza fresca|
salad bowl|salade composée|insalata pronta|ensalada preparada|salada pronta|
sushi|sushi|sushi|sushi|sushi|
fresh soup|soupe fraîche|zuppa fresca|sopa fresca|sopa fresca|"""),
 dict(code="Kiosk", floor=1, aisle=None, colour=253,
      names=("News & kiosk", "Presse et kiosque", "Edicola", "Prensa y quiosco", "Imprensa e quiosque"),
      where="Next to the checkouts", see="Customer service: by the entrance",
      shelves=["NW-01"],
      items="""newspapers|journaux|giornali|periódicos|jornais|
magazines|magazines|riviste|revistas|revistas|
phone top-up|recharge mobile|ricarica telefonica|recarga móvil|carregamento telemóvel|
carrier bags|sacs cabas|borse shopper|bolsas|sacos|
stamps|timbres|francobolli|sellos|selos|"""),
 dict(code="Services", floor=1, aisle=None, colour=51,
      names=("Customer services", "Services clients", "Servizi ai clienti", "Servicios al cliente", "Serviços ao cliente"),
      where="By the entrance", see="",
      shelves=["INFO DESK", "ATM", "TROLLEYS", "LOCKERS", "ENTRANCE"],
      items="""customer service+information|accueil|servizio clienti|atención al cliente|apoio ao cliente||where=Customer service desk, left of the entrance|see=lockers,cash machine|at=INFO DESK
cash machine+ATM|distributeur de billets|bancomat|cajero automático|multibanco||where=Cash machine, beside the customer service desk|see=customer service|at=ATM
trolleys and baskets+trolley|chariots paniers|carrelli cestini|carros cestas|carrinhos cestos||where=Trolley and basket bay, right of the entrance|see=exit|at=TROLLEYS
lockers|consigne casiers|armadietti|consigna taquillas|cacifos||where=Lockers, left wall by the entrance|see=customer service|at=LOCKERS
exit+way out|sortie|uscita|salida|saída||where=Entrance and exit doors, front of the store|see=trolleys and baskets|at=ENTRANCE"""),
 # ---- first floor ----
 dict(code="Services 1st", floor=2, aisle=None, colour=59,
      names=("Customer services", "Services clients", "Servizi ai clienti", "Servicios al cliente", "Serviços ao cliente"),
      where="First floor", see="",
      shelves=["TOILETS", "PH-01", "CAFE"],
      items="""toilets+WC|toilettes|bagni servizi igienici|aseos servicios|casas de banho||where=Toilets and baby changing, front right|see=café|at=TOILETS
pharmacy counter+pharmacist|pharmacie|farmacia|farmacia|farmácia||where=Pharmacy counter, back wall|see=painkillers,vitamins|at=PH-01
café+coffee shop|cafétéria|caffetteria bar|cafetería|cafetaria||where=Coffee corner, front of the floor|see=toilets|at=CAFE"""),
 dict(code="Health&Beauty", floor=2, aisle=8, colour=109,
      names=("Health & beauty", "Hygiène et beauté", "Igiene e bellezza", "Higiene y belleza", "Higiene e beleza"),
      where="", see="Pharmacy: Aisle 9",
      shelves=["G9-B", "G10-A", "HB-01"],
      items="""shampoo|shampooing|shampoo|champú|champô|normal,anti-dandruff|see=conditioner,shower gel
conditioner|après-shampooing|balsamo|acondicionador|amaciador|
shower gel|gel douche|bagnoschiuma|gel de ducha|gel de banho|
soap|savon|sapone|jabón|sabonete|
mouthwash|bain de bouche|collutorio|enjuague bucal|elixir bucal|
cotton buds|cotons-tiges|cotton fioc|bastoncillos|cotonetes|
toothpaste|dentifrice|dentifricio|pasta de dientes|pasta de dentes|whitening,sensitive|see=toothbrush,mouthwash
toothbrush|brosse à dents|spazzolino|cepillo de dientes|escova de dentes|see=toothpaste
deodorant|déodorant|deodorante|desodorante|desodorizante|
razors|rasoirs|rasoi|cuchillas de afeitar|lâminas|
sun cream|crème solaire|crema solare|protector solar|protetor solar|
hand cream|crème mains|crema mani|crema de manos|creme de mãos|
make-up|maquillage|trucco|maquillaje|maquilhagem|=Mascara,=Lipstick
tampons|tampons|assorbenti interni|tampones|tampões|
sanitary towels+pads|serviettes hygiéniques|assorbenti|compresas|pensos higiénicos|
condoms|préservatifs|preservativi|preservativos|preservativos|
cotton pads|cotons|dischetti di cotone|discos de algodón|discos de algodão|"""),
 dict(code="Pharmacy&Baby", floor=2, aisle=9, colour=51,
      names=("Pharmacy & baby", "Pharmacie et bébé", "Farmacia e neonati", "Farmacia y bebé", "Farmácia e bebé"),
      where="", see="Pharmacist at the back wall counter",
      shelves=["PH-01", "G10-B", "G11-A"],
      items="""painkillers|antidouleur|antidolorifici|analgésicos|analgésicos|=Paracetamol,=Ibuprofen
plasters|pansements|cerotti|tiritas|pensos|
vitamins|vitamines|vitamine|vitaminas|vitaminas|
cold and flu|rhume grippe|raffreddore influenza|resfriado gripe|constipação gripe|
nappies+diapers|couches|pannolini|pañales|fraldas|@ size 3,@ size 4,@ size 5|see=baby wipes,baby food
baby wipes|lingettes bébé|salviette bimbi|toallitas bebé|toalhitas bebé|see=nappies,baby food
baby food|petits pots bébé|omogeneizzati|potitos|papas bebé|
baby milk formula|lait infantile|latte in polvere|leche infantil|leite em pó bebé|
baby bottles|biberons|biberon|biberones|biberões|"""),
 dict(code="Household", floor=2, aisle=10, colour=233,
      names=("Household cleaning", "Entretien de la maison", "Pulizia della casa", "Limpieza del hogar", "Limpeza da casa"),
      where="", see="Laundry: Aisle 11",
      shelves=["G11-B", "G12-A"],
      items="""washing-up liquid|liquide vaisselle|detersivo piatti|lavavajillas|detergente loiça|
dishwasher tablets|pastilles lave-vaisselle|pastiglie lavastoviglie|lavavajillas|pastilhas máquina|
bleach|eau de javel|candeggina|lejía|lixívia|
surface cleaner|nettoyant multi-usage|sgrassatore|limpiador multiusos|limpa tudo|
glass cleaner|nettoyant vitres|pulisci vetri|limpiacristales|limpa vidros|
sponges|éponges|spugne|estropajos|esponjas|
bin bags|sacs poubelle|sacchi spazzatura|bolsas de basura|sacos do lixo|
air freshener|désodorisant|deodorante ambiente|ambientador|ambientador|
rubber gloves|gants ménage|guanti|guantes|luvas|"""),
 dict(code="Laundry&Paper", floor=2, aisle=11, colour=122,
      names=("Laundry & paper", "Lessive et papier", "Bucato e carta", "Lavandería y papel", "Lavandaria e papel"),
      where="", see="Cleaning products: Aisle 10",
      shelves=["G12-B", "G13-A"],
      items="""laundry detergent|lessive|detersivo lavatrice|detergente ropa|detergente roupa|powder,liquid,capsules
fabric softener|adoucissant|ammorbidente|suavizante|amaciador roupa|
toilet paper|papier toilette|carta igienica|papel higiénico|papel higiénico|@ (4 rolls),@ (9 rolls),@ (24 rolls)|see=kitchen roll,tissues
kitchen roll|essuie-tout|carta cucina|papel de cocina|rolo de cozinha|
napkins|serviettes en papier|tovaglioli|servilletas|guardanapos|
baking paper|papier cuisson|carta forno|papel de horno|papel vegetal|
tissues|mouchoirs|fazzoletti|pañuelos|lenços|
aluminium foil|papier aluminium|alluminio|papel de aluminio|papel de alumínio|
cling film|film alimentaire|pellicola|film transparente|película aderente|
freezer bags|sacs congélation|sacchetti gelo|bolsas congelar|sacos congelação|"""),
 dict(code="Pets", floor=2, aisle=12, colour=174,
      names=("Pet care", "Animaux", "Animali", "Mascotas", "Animais"),
      where="", see="Bin bags: Aisle 10",
      shelves=["G13-B", "G14-A"],
      items="""dog food|nourriture chien|cibo cani|comida perro|comida cão|dry @,wet @,=Puppy food|see=dog treats
cat food|nourriture chat|cibo gatti|comida gato|comida gato|dry @,wet @,=Kitten food|see=cat litter
cat litter|litière|lettiera|arena gatos|areia gato|see=cat food
dog treats|friandises chien|snack cani|premios perro|biscoitos cão|see=dog food
bird seed|graines oiseaux|mangime uccelli|alpiste|alpista|
fish food|nourriture poissons|mangime pesci|comida peces|comida peixes|"""),
 dict(code="Home", floor=2, aisle=13, colour=196,
      names=("Kitchen & home", "Cuisine et maison", "Cucina e casa", "Cocina y hogar", "Cozinha e casa"),
      where="", see="Batteries also at the checkouts",
      shelves=["G14-B", "G15-A"],
      items="""light bulbs|ampoules|lampadine|bombillas|lâmpadas|
batteries|piles|pile|pilas|pilhas|AA,AAA|see=light bulbs,candles
matches|allumettes|fiammiferi|cerillas|fósforos|see=candles,barbecue charcoal
lighters|briquets|accendini|mecheros|isqueiros|see=matches,candles
candles|bougies|candele|velas|velas|
kitchen utensils|ustensiles de cuisine|utensili cucina|utensilios cocina|utensílios cozinha|
frying pan|poêle|padella|sartén|frigideira|
mugs|tasses|tazze|tazas|canecas|
food containers|boîtes alimentaires|contenitori|tuppers|caixas|
paper plates|assiettes carton|piatti di carta|platos de papel|pratos de papel|
barbecue charcoal|charbon barbecue|carbonella|carbón barbacoa|carvão|"""),
 dict(code="Stationery", floor=2, aisle=14, colour=149,
      names=("Stationery & toys", "Papeterie et jouets", "Cartoleria e giocattoli", "Papelería y juguetes", "Papelaria e brinquedos"),
      where="", see="Party plates: Aisle 13",
      shelves=["G15-B", "G16-A"],
      items="""pens|stylos|penne|bolígrafos|canetas|
notebooks|cahiers|quaderni|cuadernos|cadernos|
greeting cards|cartes de vœux|biglietti auguri|tarjetas felicitación|postais|=Birthday cards,=Thank you cards|see=gift wrap
gift wrap|papier cadeau|carta regalo|papel de regalo|papel de embrulho|see=greeting cards,sticky tape and glue
toys|jouets|giocattoli|juguetes|brinquedos|
jigsaw puzzles|puzzles|puzzle|rompecabezas|puzzles|
school bags|cartables|zaini scuola|mochilas|mochilas|
sticky tape and glue|ruban adhésif colle|nastro adesivo colla|cinta adhesiva|fita cola|"""),
 dict(code="Electronics", floor=2, aisle=None, colour=15,
      names=("Electronics", "Électronique", "Elettronica", "Electrónica", "Eletrónica"),
      where="Back wall, electronics counter", see="Batteries: Aisle 13",
      shelves=["EL-01"],
      items="""phone chargers|chargeurs|caricabatterie|cargadores|carregadores|
headphones|écouteurs|cuffie|auriculares|auscultadores|
usb cables|câbles usb|cavi usb|cables usb|cabos usb|
memory cards|cartes mémoire|schede memoria|tarjetas memoria|cartões memória|"""),
 dict(code="Clothing", floor=2, aisle=None, colour=185,
      names=("Clothing", "Vêtements", "Abbigliamento", "Ropa", "Roupa"),
      where="Left side of the first floor", see="Umbrellas: Clothing",
      shelves=["CW-01", "CW-02", "CW-03"],
      items="""socks|chaussettes|calzini|calcetines|meias|
t-shirts|tee-shirts|magliette|camisetas|t-shirts|
underwear|sous-vêtements|intimo|ropa interior|roupa interior|
umbrellas|parapluies|ombrelli|paraguas|guarda-chuvas|
reading glasses|lunettes de lecture|occhiali da lettura|gafas de lectura|óculos de leitura|
slippers|chaussons|pantofole|zapatillas de casa|chinelos|"""),
 dict(code="Seasonal", floor=2, aisle=None, colour=220, exclude="SEASONAL",
      names=("Seasonal & garden", "Saisonnier et jardin", "Stagionale e giardino", "Temporada y jardín", "Sazonal e jardim"),
      where="By the stairs, first floor", see="Flowers: ground floor entrance",
      shelves=["SE-01"],
      items="""christmas decorations|décorations Noël|decorazioni natale|adornos Navidad|decorações Natal|
easter eggs|œufs de Pâques|uova di pasqua|huevos de Pascua|ovos de Páscoa|
garden|jardin|giardino|jardín|jardim|=Garden seeds,=Compost,=Plant pots"""),
]

# ---------------------------------------------------------------------------
# Map elements
# ---------------------------------------------------------------------------
ELEMENTS = []  # lists of 18 field texts
SHELF_SPOTS = {}  # shelf id -> (floor, list of (x, y) places for products)


def num(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def element(sid, dpt, seas, x, y, length, width, angle, colour, style, fill, thick,
            iflabel, bcolor, size, maplabel, floor, comment):
    f = [sid, dpt, seas, num(x), num(y), str(length) if isinstance(length, str) else num(length),
         num(width), str(angle), str(colour), str(style), str(fill), str(thick), str(iflabel),
         str(bcolor), size, maplabel, str(floor), comment]
    ELEMENTS.append(f)


def box_point(x, y, length, width, angle, s, t):
    """The map point s along the box's length and t across its width: the
    length runs at the angle (counter-clockwise from east, y grows
    southwards), the width a quarter turn further, as the renderer draws."""
    a = math.radians(angle)
    return (x + s * math.cos(a) - t * math.sin(a), y - s * math.sin(a) - t * math.cos(a))


def box(sid, dpt, x, y, length, width, angle, colour, floor, comment, fill=2, thick=1,
        seas="All year", bcolor=12, size="0"):
    element(sid, dpt, seas, x, y, length, width, angle, colour, 0, fill, thick, 0, bcolor, size,
            " ", floor, comment)
    # Product places on the box, along the middle of its width, about one
    # every 5 units.
    n = max(1, int(length / 5))
    SHELF_SPOTS[sid] = (floor, [box_point(x, y, length, width, angle, length * (k + 0.5) / n,
                                          width / 2) for k in range(n)])


def fixture(sid, code, dpt, x, y, angle, colour, floor, comment, length=4, width=4):
    element(sid, dpt, "All year", x, y, length, width, angle, colour, 0, 2, 1, 0, 12, code,
            " ", floor, comment)


def label(sid, text, x, y, langs, floor, colour=253, height=18, font=4, style="B",
          dpt="Labels", angle=0):
    element(sid, dpt, "All year", x, y, langs, 0, angle, colour, 0, height, 1, font, style, "0",
            text, floor, "map label")


def walls(floor):
    c = "Outer wall"
    box("WALL N", "Building", 20, 40, 540, 2, 0, 127, floor, c)
    box("WALL W", "Building", 20, 320, 280, 2, 90, 127, floor, c)
    box("WALL E", "Building", 562, 320, 280, 2, 90, 127, floor, c)
    if floor == 1:
        box("WALL S-W", "Building", 20, 322, 90, 2, 0, 127, floor, c)
        box("WALL S-E", "Building", 190, 322, 372, 2, 0, 127, floor, c)
        box("ENTRANCE", "Building", 110, 322, 80, 1, 0, 139, floor, "Automatic doors", fill=99)
    else:
        box("WALL S", "Building", 20, 322, 542, 2, 0, 127, floor, c)
    # Stairs and lift between the floors, in the same place on both.
    box("STAIRS", "Building", 200, 318, 30, 24, 0, 102, floor, "Stairs and escalator", fill=5)
    box("LIFT", "Building", 235, 318, 12, 12, 0, 59, floor, "Lift", fill=4)
    # Structural columns along the front and back of the aisles.
    for i, x in enumerate((200, 290, 380, 470)):
        fixture("COLUMN %d-%d" % (floor, i + 1), "F1", "Building", x, 268, 0, 127, floor,
                "Structural column")
    fixture("COLUMN %d-5" % floor, "F1", "Building", 150, 100, 45, 127, floor, "Column, turned")


def gondolas(floor, first):
    for i, gx in enumerate(GX):
        n = first + i
        for face, fx in (("A", gx), ("B", gx + 4)):
            sid = "G%d-%s" % (n, face)
            colour = 250
            for d in DEPTS:
                if sid in d["shelves"]:
                    colour = d["colour"]
                    dpt = d["code"]
                    break
            else:
                dpt = "Gondola"
            # Angle 90: the length runs up from the anchor, the width to the left.
            box(sid, dpt[:16], fx + 4, G_BOTTOM, G_BOTTOM - G_TOP, 4, 90, colour, floor,
                "Gondola %d face %s" % (n, face))
        # End caps: promotion stands at both ends of every gondola.
        code = "F3" if i % 2 == 0 else "F4"
        fixture("ENDCAP %d-N" % n, code, "Promotions", gx + 4, G_TOP - 4, 0, 220, floor,
                "Promotion end cap", length=8, width=2)
        fixture("ENDCAP %d-S" % n, code, "Promotions", gx + 4, G_BOTTOM + 4, 180, 220, floor,
                "Promotion end cap", length=8, width=2)


def ground_floor():
    walls(1)
    gondolas(1, 1)
    # Back wall counters and chillers (angle 0: length to the right, width up).
    for sid, x0, length, colour, dpt, com in (
            ("BK-01", 30, 60, 166, "Bakery", "Bakery counter"),
            ("DC-01", 160, 60, 215, "Deli", "Deli counter"),
            ("DC-02", 225, 55, 215, "Deli", "Cheese counter"),
            ("MF-01", 290, 60, 207, "Meat & Fish", "Butcher counter"),
            ("MF-02", 355, 60, 207, "Meat & Fish", "Fish counter on ice"),
            ("DY-01", 430, 60, 201, "Dairy", "Milk and butter chiller"),
            ("DY-02", 495, 60, 201, "Dairy", "Yoghurt and cream chiller")):
        box(sid, dpt, x0, 54, length, 10, 0, colour, 1, com)
    box("MF-03", "Meat & Fish", 300, 80, 100, 6, 0, 207, 1, "Packed meat chiller")
    # Bakery racks turned towards the entrance.
    box("BK-02", "Bakery", 40, 100, 30, 5, 45, 166, 1, "Bread rack")
    box("BK-03", "Bakery", 95, 100, 30, 5, 45, 166, 1, "Cake rack")
    # Dairy chillers down the right wall; frozen further down, islands in front.
    box("DY-03", "Dairy", 560, 120, 45, 8, 90, 201, 1, "Egg and juice chiller")
    box("FZ-01", "Frozen", 560, 270, 140, 8, 90, 134, 1, "Upright freezers")
    box("FZ-02", "Frozen", 510, 250, 60, 12, 90, 134, 1, "Island freezer")
    box("FZ-03", "Frozen", 510, 180, 60, 12, 90, 134, 1, "Island freezer")
    # Fruit and vegetables: tables at angles, round displays.
    for k, (x, y, ang) in enumerate(((35, 160, 90), (60, 150, 45), (95, 150, 135),
                                     (60, 215, 45), (95, 215, 135), (130, 250, 90))):
        sid = "FV-%02d" % (k + 1)
        box(sid, "Fruit & Veg", x, y, 40 if ang == 90 else 28, 10, ang, 140, 1, "Produce table")
    fixture("ROUND 1", "4C", "Fruit & Veg", 40, 285, 0, 140, 1, "Round basket display",
            length=5, width=5)
    fixture("ROUND 2", "C5", "Fruit & Veg", 75, 120, 0, 140, 1, "Round melon display",
            length=4, width=4)
    fixture("ROUND 3", "R4", "Fruit & Veg", 115, 275, 0, 140, 1, "Round table with rail")
    fixture("FLOWERS", "R42", "Fruit & Veg", 75, 262, 0, 142, 1, "Flower buckets")
    SHELF_SPOTS["FLOWERS"] = (1, [(75, 262)])
    # Checkouts and the front.
    for k in range(6):
        x = 260 + k * 45
        box("CK-%02d" % (k + 1), "Checkouts", x, 300, 25, 6, 0, 253, 1, "Checkout %d" % (k + 1))
    fixture("NEWS STAND", "42C", "Kiosk", 520, 300, 0, 253, 1, "Newspaper stand")
    box("NW-01", "Kiosk", 525, 305, 30, 6, 0, 253, 1, "Kiosk counter")
    box("INFO DESK", "Service", 30, 315, 40, 10, 0, 51, 1, "Customer service desk")
    fixture("TROLLEYS", "F2", "Service", 185, 300, 0, 102, 1, "Trolley and basket bay")
    SHELF_SPOTS["TROLLEYS"] = (1, [(185, 300)])
    box("ATM", "Service", 75, 318, 10, 6, 0, 51, 1, "Cash machine")
    box("LOCKERS", "Service", 28, 300, 25, 6, 90, 86, 1, "Lockers")
    fixture("TROLLEYS 2", "F2", "Service", 240, 280, 45, 102, 1, "Basket stand, turned")
    # Storeroom racks behind the bakery: only with the shelves option on.
    box("!RACK 1", "Storeroom", 22, 50, 6, 3, 0, 86, 1, "Storeroom rack", fill=99)
    # An old promotion stand kept in the file but no longer shown.
    box("~PROMO OLD", "Promotions", 150, 200, 6, 6, 0, 220, 1, "Retired stand")


def first_floor():
    walls(2)
    gondolas(2, 9)
    for sid, x0, length, colour, dpt, com in (
            ("PH-01", 160, 80, 51, "Pharmacy&Baby", "Pharmacy counter"),
            ("EL-01", 300, 90, 15, "Electronics", "Electronics counter"),
            ("HB-01", 420, 120, 109, "Health&Beauty", "Perfume and cosmetics wall")):
        box(sid, dpt, x0, 54, length, 10, 0, colour, 2, com)
    for k, (x, y, ang) in enumerate(((40, 150, 45), (40, 210, 45), (40, 270, 45))):
        sid = "CW-%02d" % (k + 1)
        box(sid, "Clothing", x, y, 40, 8, ang, 185, 2, "Clothing rail")
    fixture("ROUND TABLE", "C0", "Seasonal", 130, 290, 0, 220, 2, "Round seasonal table",
            length=5, width=5)
    box("SE-01", "Seasonal", 110, 260, 40, 10, 0, 220, 2, "Seasonal shelving")
    box("TOILETS", "Service", 480, 318, 40, 20, 0, 59, 2, "Customer toilets", fill=99)
    box("CAFE", "Service", 300, 318, 120, 25, 0, 26, 2, "Coffee corner", fill=3)
    fixture("COLUMN 2-6", "F1", "Building", 150, 200, 45, 127, 2, "Column, turned")


def grid():
    # Grid lines every 40 units, on every floor while the grid option is on.
    # Each cell is named by a column letter along the top and a row number
    # down the left side (labels of the whole-store view).
    xs = list(range(20, 561, 40))
    for k, x in enumerate(xs):
        box("GRID V%02d" % (k + 1), "Grid", x, 320, 280, 0.3, 90, 250, 1, "Grid line", fill=99)
        if k + 1 < len(xs):
            label("GRIDL3 C%02d" % (k + 1), chr(ord("A") + k), x + 17, 26, "12345", 1,
                  colour=250, height=14, style="x", dpt="Grid")
    ys = list(range(40, 321, 40))
    for k, y in enumerate(ys):
        box("GRID H%02d" % (k + 1), "Grid", 20, y, 540, 0.3, 0, 250, 1, "Grid line", fill=99)
        if k + 1 < len(ys):
            label("GRIDL3 R%02d" % (k + 1), str(k + 1), 8, y + 16, "12345", 1, colour=250,
                  height=14, style="x", dpt="Grid")


LANG_LETTERS = "EFISP"


# The whole-store view: labels 22 pixels high, each on a free spot of its
# floor (the left-top corner of the text, in map units), none over another
# or over a fixture. A department of the aisles stands above its aisle, on
# one of three rows so that neighbouring names never meet.
WHOLE_STORE_HEIGHT = 22
SHORT_NAMES = {
    "Fruit & Veg": ("Fruit & veg", "Fruits et légumes", "Frutta e verdura", "Frutas y verduras", "Frutas e legumes"),
    "Frozen": ("Frozen", "Surgelés", "Surgelati", "Congelados", "Congelados"),
    "Kiosk": ("News", "Presse", "Edicola", "Prensa", "Imprensa"),
    "Services": ("Customer service", "Accueil", "Servizio clienti", "Atención al cliente", "Apoio ao cliente"),
}
WHOLE_STORE_AT = {
    "Fruit & Veg": (45, 166), "Bakery": (30, 58), "Deli": (165, 58), "Meat & Fish": (318, 60),
    "Dairy": (452, 58), "Frozen": (512, 196), "Kiosk": (518, 284), "Services": (30, 294),
    "Electronics": (305, 58), "Clothing": (25, 100), "Seasonal": (106, 238),
}
AISLE_ROWS = (87, 96, 78)
# Places shown by name of their own: (tag, floor, x, y, colour, names).
PLACE_LABELS = [
    ("ENTRANCE", 1, 112, 312, 139, ("Entrance", "Entrée", "Ingresso", "Entrada", "Entrada")),
    ("STAIRS1", 1, 200, 286, 102, ("Stairs", "Escalier", "Scale", "Escaleras", "Escadas")),
    ("STAIRS2", 2, 200, 286, 102, ("Stairs", "Escalier", "Scale", "Escaleras", "Escadas")),
    ("TOILETS", 2, 482, 288, 59, ("Toilets", "Toilettes", "Bagni", "Aseos", "Casas de banho")),
    ("CAFE", 2, 335, 284, 26, ("Café", "Café", "Caffetteria", "Cafetería", "Cafetaria")),
    # Beside the kiosk's own position (the blinking cross), on its floor.
    ("HERE", KIOSK[2], 136, 304, 250, ("You are here", "Vous êtes ici", "Voi siete qui",
                                       "Usted está aquí", "Está aqui")),
    # The floor's name, top left where no counter stands.
    ("FLOOR1", 1, 96, 46, 250, ("Ground floor", "Rez-de-chaussée", "Piano terra", "Planta baja",
                                "Rés-do-chão")),
    ("FLOOR2", 2, 30, 46, 250, ("First floor", "Premier étage", "Primo piano", "Primera planta",
                                "Primeiro andar")),
]


def department_labels():
    for d in DEPTS:
        floor = d["floor"]
        if d["code"] == "Services 1st":
            continue  # its places carry labels of their own
        tag = d["code"].upper().replace(" ", "").replace("&", "")[:10]
        if d["aisle"]:
            k = d["aisle"] - (1 if floor == 1 else 8)
            same = [e for e in DEPTS if e["aisle"] == d["aisle"]]
            row = 2 if same.index(d) else (d["aisle"] % 2)
            centre, y = GX[k] + 26, AISLE_ROWS[row]
        else:
            x, y = WHOLE_STORE_AT[d["code"]]
        for i, name in enumerate(d["names"]):
            lang = LANG_LETTERS[i]
            short = SHORT_NAMES.get(d["code"], [None] * 5)[i] or \
                name.split(" & ")[0].split(",")[0].split(" et ")[0].split(" e ")[0].split(" y ")[0]
            if d["aisle"]:
                # Centred on the aisle (about 0.56 of the height a character).
                x = centre - len(short) * WHOLE_STORE_HEIGHT * 0.56 / 3.3 / 2
            label("L3%s %s" % (lang, tag), short[:60], x, y, str(i + 1), floor,
                  colour=253, height=WHOLE_STORE_HEIGHT, dpt=d["code"][:16])
            # Zoomed views: the full name where there is room, else the short one.
            label("L1%s %s" % (lang, tag), (short if d["aisle"] else name)[:60], x, y + 4,
                  str(i + 1), floor, colour=251, height=22, dpt=d["code"][:16])
    # Aisle numbers in the zoomed views, in every language.
    for floor, first_aisle in ((1, 1), (2, 8)):
        for k in range(7):
            x = GX[k] + 14
            for i, word in enumerate(AISLE_WORD):
                label("L1%s AISLE%02d" % (LANG_LETTERS[i], first_aisle + k), "%s %d" % (word, first_aisle + k),
                      x, G_BOTTOM + 14, str(i + 1), floor, colour=253, height=20, dpt="Aisles")
    for tag, floor, x, y, colour, names in PLACE_LABELS:
        for i, text in enumerate(names):
            label("L3%s %s" % (LANG_LETTERS[i], tag), text, x, y, str(i + 1), floor, colour=colour,
                  height=WHOLE_STORE_HEIGHT)
            label("L1%s %s" % (LANG_LETTERS[i], tag), text, x, y + 2, str(i + 1), floor,
                  colour=colour, height=22)


# ---------------------------------------------------------------------------
# Products
# ---------------------------------------------------------------------------

def plain(text):
    """The text without its accents, as a shopper may type it ("pão" -> "pao")."""
    text = text.replace("œ", "oe").replace("Œ", "Oe").replace("æ", "ae")
    return "".join(c for c in unicodedata.normalize("NFD", text)
                   if unicodedata.category(c) != "Mn")


def pack_words(phrases):
    """The words of the phrases in order, an accented word followed by its
    plain form, each left out when the words so far hold it already (the
    search finds a word anywhere in them), in two lines (None when they do
    not fit)."""
    seen = []
    for ph in phrases:
        for w in ph.split(" "):
            for form in (w, plain(w)):
                if form.lower() not in " ".join(seen).lower():
                    seen.append(form)
    first = ""
    while seen and len(first) + len(seen[0]) + 1 <= 54:
        first = (first + " " + seen.pop(0)).strip()
    second = " ".join(seen)
    return (first + " ", second) if len(second) <= 55 else None


def word_lines(phrases):
    """The two word lines of a product (55 characters each, the first ending
    in a blank so that no word runs into the second): its name first, then
    the words of the other phrases, in the order that fits. Words are never
    cut; a list that does not fit is an error in the data."""
    for order in itertools.permutations(phrases[1:]):
        lines = pack_words([phrases[0]] + list(order))
        if lines:
            return lines
    raise AssertionError(("words do not fit in two lines", phrases))


def parse_items(d):
    """The rows of a department: one per product, with its words in the five
    languages, its shop-label name, its see-also names and its own place."""
    rows = []
    for line in d["items"].strip().splitlines():
        f = line.split("|")
        en, fr, it, es, pt = f[:5]
        opts = dict(x.split("=", 1) for x in f[5:] if "=" in x and not x.startswith("="))
        variants = next((x for x in f[5:] if not ("=" in x and not x.startswith("="))), "")
        base, _, extra = en.partition("+")
        for v in ([x.strip() for x in variants.split(",") if x.strip()] or [""]):
            if v.startswith("="):
                name = v[1:]
            elif "@" in v:
                name = v.replace("@", base)
            else:
                name = ("%s %s" % (v, base)) if v else base
            name = name[0].upper() + name[1:]
            words = [name] + ([extra] if extra else []) + [fr, it, es, pt]
            if base.lower() not in name.lower():
                words.insert(1, base)
            rows.append(dict(base=base, name=name, words=words, see=opts.get("see", ""),
                             where=opts.get("where", d["where"]), at=opts.get("at", ""), dept=d))
    return rows


def short_place(d):
    """Where a department is, in a few words, for the see-also lines."""
    if d["aisle"]:
        return "%s %d" % (AISLE_WORD[0], d["aisle"])
    return d["names"][0] + (", first floor" if d["floor"] == 2 else "")


def see_also(row, rows_by_base, neighbours):
    """Related products and where they are, as many as fit in 55 characters:
    the product's own list, else its neighbours on the shelf."""
    names = [x.strip() for x in row["see"].split(",") if x.strip()] or neighbours
    parts = []
    for n in names:
        assert n in rows_by_base, ("see-also names no product", n, row["name"])
        r = rows_by_base[n]
        part = "%s (%s)" % (n[0].upper() + n[1:], short_place(r["dept"]))
        if len(", ".join(parts + [part])) <= 55:
            parts.append(part)
    assert parts, row["name"]
    return ", ".join(parts)


def department_lines(d):
    """The heading's second line and the department in the other languages."""
    if d["aisle"]:
        return ["%s %d - %s" % (AISLE_WORD[i], d["aisle"], d["names"][i]) for i in range(5)]
    return list(d["names"])


def products():
    all_rows = []
    for d in DEPTS:
        all_rows += parse_items(d)
    rows_by_base = {}
    for r in all_rows:
        rows_by_base.setdefault(r["base"], r)
    out = []
    for d in DEPTS:
        floor = d["floor"]
        rows = [r for r in all_rows if r["dept"] is d]
        bases = []
        for r in rows:
            if r["base"] not in bases:
                bases.append(r["base"])
        places = []
        own = {r["at"] for r in rows}
        for sh in (x for x in d["shelves"] if x not in own):
            fl, spots = SHELF_SPOTS[sh]
            assert fl == floor, (sh, fl, floor)
            places += [(sh, p) for p in spots]
        for n, r in enumerate(rows):
            if r["at"]:
                # A product with a place of its own: the middle of it.
                spots = SHELF_SPOTS[r["at"]][1]
                shelf, (x, y) = r["at"], spots[len(spots) // 2]
            else:
                shelf, (x, y) = places[n * len(places) // len(rows)]
            k = bases.index(r["base"])
            neighbours = [b for b in (bases[k - 1] if k > 0 else None,
                                      bases[k + 1] if k + 1 < len(bases) else None) if b]
            k1, k1b = word_lines(r["words"])
            if d["aisle"]:
                side = "left" if shelf.endswith("-A") else "right"
                shelf_line = "Shelf %s, %s-hand side walking in" % (shelf, side)
            else:
                shelf_line = "%s (%s)" % (r["where"], shelf) if len(r["where"]) + len(shelf) < 52 else r["where"]
            lines = department_lines(d) + [shelf_line] + list(FLOOR_TEXT[floor])
            rec = [k1, k1b, shelf, d["code"][:14], d.get("exclude", ""), num(x), num(y), str(floor),
                   r["name"]] + lines + [see_also(r, rows_by_base, neighbours)]
            assert len(rec) == 18, rec
            assert all(len(t) <= 55 for t in lines + [r["name"]]), (lines, r["name"])
            out.append(rec)
    # One seasonal product hidden by staff (the "~" mark): listed, never logged.
    seasonal = next(d for d in DEPTS if d["code"] == "Seasonal")
    sh = seasonal["shelves"][0]
    x, y = SHELF_SPOTS[sh][1][-1]
    k1, k1b = word_lines(["~Christmas pudding", "pouding de Noël", "panettone", "budín de Navidad",
                          "bolo-rei"])
    out.append([k1, k1b, sh, seasonal["code"], seasonal["exclude"], num(x), num(y),
                str(seasonal["floor"]), "Christmas pudding"] + department_lines(seasonal) +
               ["Christmas table, by the stairs (%s)" % sh] + list(FLOOR_TEXT[seasonal["floor"]]) +
               ["Christmas decorations (Seasonal, first floor)"])
    return out


def zones():
    # Screen: the map area of a 1920 x 1080 window above the prompt box.
    area = (20, 60, 1898, 1005)
    rects = [(0, 20, 40, 560, 322),        # 0: the whole store
             (1, 20, 40, 290, 180),        # 1: back left: bakery, deli
             (2, 290, 40, 562, 180),       # 2: back right: meat, fish, dairy
             (3, 20, 180, 290, 322),       # 3: front left: produce, entrance
             (4, 290, 180, 562, 322),      # 4: front right: checkouts, frozen
             (5, 160, 95, 505, 265)]       # 5: the aisles
    lines = []
    for z, x0, y0, x1, y1 in rects:
        zoom = min((area[2] - area[0]) / (x1 - x0), (area[3] - area[1]) / (y1 - y0))
        zoom = int(zoom * 10) / 10.0
        # A map point lands at zoom * x + 2 * offset.
        left = area[0] + ((area[2] - area[0]) - zoom * (x1 - x0)) / 2
        top = area[1] + ((area[3] - area[1]) - zoom * (y1 - y0)) / 2
        ox = round((left - zoom * x0) / 2)
        oy = round((top - zoom * y0) / 2)
        lo_x, lo_y, hi_x, hi_y = (0, 0, 600, 400) if z == 0 else (x0, y0, x1, y1)
        f = [z, zoom, ox, oy, hi_y, hi_x, lo_y, lo_x, ox, oy, 0, 2 * ox + 10, 2 * oy + 12, 0, 0, 0,
             ox, oy]
        lines.append("|".join(num(v) for v in f))
    # As the zone editor writes it: the defined zones plus one, then 21 lines.
    defined = len(lines)
    for z in range(defined, 21):
        lines.append("|".join([str(z)] + ["0"] * 17))
    return [str(defined)] + lines


def check():
    for f in ELEMENTS:
        sid = f[0]
        is_label = "L1" in sid or "L3" in sid
        assert len(f) == 18 and all(x != "" for x in f), f
        assert all("|" not in x for x in f), f
        widths = (40, 16, 16, 9, 9, 7, 7, 4, 4, 4, 4, 4, 4, 4, 4, 60, 5, 35)
        for x, w in zip(f, widths):
            assert len(x.encode("cp1252")) <= w, (x, w, f)
        if not is_label:
            assert f[15] == " ", f
        if is_label:
            assert sid.startswith(("L1", "L3", "GRIDL3")), sid


def write(path, lines):
    with open(path, "wb") as fh:
        for line in lines:
            fh.write(line.encode("cp1252") + b"\r\n")


def main():
    ground_floor()
    first_floor()
    grid()
    department_labels()
    check()
    prods = products()
    widths = (55, 55, 35, 14, 14, 16, 16, 5) + (55,) * 10
    for p in prods:
        for x, w in zip(p, widths):
            assert len(x.encode("cp1252")) <= w, (x, w)
    data = os.path.join(OUT, "data")
    os.makedirs(data, exist_ok=True)
    write(os.path.join(data, "Shelves.txt"), ["|".join(f) + "|" for f in ELEMENTS])
    plines = []
    for p in prods:
        plines += ["0"] + p
    write(os.path.join(data, "prodlist.txt"), plines)
    write(os.path.join(data, "zonedef.txt"), zones())
    print("%d products, %d map elements, kiosk at (%d, %d) floor %d"
          % (len(prods), len(ELEMENTS), KIOSK[0], KIOSK[1], KIOSK[2]))


if __name__ == "__main__":
    main()
