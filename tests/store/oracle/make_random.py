# Makes profile_random.txt: random small files of the characters that matter
# to the parser, each followed by random lookups and writes read back. Run it,
# then make the golden file with the reference program under Wine:
#   python3 make_random.py && run_oracle.sh profile_random.txt > profile_random.golden
# Section names are never empty: for Wine an empty section name reaches the
# keys before the first section, which Windows does not do.
import random
random.seed(20240)
alphabet = ['a','b','k','K','s','S',' ','\\t','"',"'",'=','[',']',';','\\r','\\n','\\r\\n','x','1','-','0']
names = ['s','S',' s','k','K','k ','a','','"k"','x']
L=["# Random files, lookups and writes, made by make_random.py."]
for f in range(120):
    fn = "$T\\f%d.ini" % f
    content = "".join(random.choice(alphabet) for _ in range(random.randint(0, 60)))
    L.append("C\t%s\t%s" % (fn, content))
    for q in range(6):
        op = random.random()
        sec = random.choice([n for n in names if n]); key = random.choice(names)
        if op < 0.6:
            cap = random.choice(["256","3","1","2"])
            L.append("R\t%s\t%s\t%s\t%s\tdflt" % (fn, sec, key, cap))
        elif op < 0.75:
            L.append("I\t%s\t%s\t%s\t99" % (fn, sec, key))
        else:
            val = "".join(random.choice(['v','w',' ','"','1','-']) for _ in range(random.randint(0,5)))
            L.append("W\t%s\t%s\t%s\t%s" % (fn, sec, key, val))
            L.append("R\t%s\t%s\t%s\t256\tdflt" % (fn, sec, key))
open("profile_random.txt","w").write("\n".join(L)+"\n")
