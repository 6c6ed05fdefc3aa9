// Interpretation texts of the report, one per upagraha and house of placement.
//
// Rows follow kUpagrahaNames (Kaala, Mrityu, Arthaprahaara, Yamaghantaka, Gulika, Maandi),
// columns the house counted from the ascendant's sign (house 1 in column 0). Every text is
// second person and future tense, one to four sentences, each opening "You will", "You may"
// or "Your". Mrityu carries no reading of its own and shows "NA" in every house. Gulika and
// Maandi share a portion under the original conventions, and so a house; under a profile that
// takes them at different points of it they can fall in neighbouring houses.
// Long texts are split between sentences into adjacent literals; the compiler joins them.
#include "upagraha/upagraha_report.h"

namespace vela::upagraha {

// clang-format off
const std::array<std::array<std::string_view, 12>, kUpagrahaCount> kUpagrahaInterpretations = {{
    // Kaala
    {{
        // Kaala, house 1
        "You will have a very short temper. "
        "You will love adventures and be ready to take risks in your quests of the unknown.",
        // Kaala, house 2
        "You may lose a dispute over family property, so you will do well to keep your papers in order. "
        "You may have less formal education than you wished for.",
        // Kaala, house 3
        "You will lead a rich and comfortable life. You will give generously to charity and to those in need. "
        "You may find it hard to stay on good terms with your relatives.",
        // Kaala, house 4
        "You may face strain and quarrels in your marriage. "
        "You may often feel unhappy with your spouse, and you will need patience to keep the peace at home.",
        // Kaala, house 5
        "You may meet difficulties in married life that call for patience and care. "
        "You will love to travel and will enjoy seeing new places and meeting new people.",
        // Kaala, house 6
        "You will be wealthy and a natural leader. You will rise to high positions in your work. "
        "You will gain money and land through your own efforts.",
        // Kaala, house 7
        "You may drift apart from your spouse and children, or live away from them for long periods. "
        "You may be treated harshly or unfairly by your superiors at work.",
        // Kaala, house 8
        "You will tend to see the darker side of things and may expect the worst. "
        "You may go through periods of distress and worry in your family.",
        // Kaala, house 9
        "You may not be the ideal son your father hoped for. "
        "You will be fond of learning and study. You will be religious and keep to your faith.",
        // Kaala, house 10
        "You will enjoy royal comforts throughout your life. "
        "You will live in fine surroundings, with vehicles, servants and every luxury at your command.",
        // Kaala, house 11
        "You will be bold and at times aggressive in pursuing your aims. "
        "You will become a powerful and influential person. You will have plenty of wealth.",
        // Kaala, house 12
        "You may live far away from your family. "
        "You may suffer a loss of reputation or property, so you will need to act with care in all your dealings.",
    }},
    // Mrityu, houses 1 to 12: no reading of its own.
    {{"NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA"}},
    // Arthaprahaara
    {{
        // Arthaprahaara, house 1
        "You will be sensible and learned. "
        "You will think carefully before you speak, and your words will be measured and wise.",
        // Arthaprahaara, house 2
        "You will be a gifted speaker who can hold an audience. "
        "You will earn your wealth through your own ability and hard work.",
        // Arthaprahaara, house 3
        "You will receive help and support from your brothers and sisters. "
        "You will be able to count on your siblings in times of need.",
        // Arthaprahaara, house 4
        "You will be wealthy and well read. "
        "You will enjoy a comfortable life, with a good home and the pleasures of books and learning.",
        // Arthaprahaara, house 5
        "You will be drawn to the occult and to the hidden side of life. "
        "You will gain wealth and property over the years.",
        // Arthaprahaara, house 6
        "You may have a difficult temperament and lose your temper easily. "
        "You may come across as rude to others, even when you do not mean to be.",
        // Arthaprahaara, house 7
        "Your luck will change after your marriage.",
        // Arthaprahaara, house 8
        "You will be well educated and respected by all. "
        "You will rise step by step to a position of authority.",
        // Arthaprahaara, house 9
        "You will enjoy debates and will argue your case well. "
        "You will own property. You will be religious and devoted to your faith.",
        // Arthaprahaara, house 10
        "You will be highly educated and honourable in all your dealings. "
        "You will have a sharp and quick mind.",
        // Arthaprahaara, house 11
        "You will be truthful and peaceful by nature. You will be rich and live free from want.",
        // Arthaprahaara, house 12
        "You may have taxes and dues that weigh on you. You may meet trouble within your family. "
        "You may not be able to finish your education as planned.",
    }},
    // Yamaghantaka
    {{
        // Yamaghantaka, house 1
        "You will hold a fortunate position in life. "
        "You will be happy and prosperous, and your good fortune will grow with the years.",
        // Yamaghantaka, house 2
        "You will do well in debates and discussions. You will own property. "
        "You will be known for your learning and wisdom.",
        // Yamaghantaka, house 3
        "You may be at risk of losing your job, so you will need to take care at work. "
        "Your brothers and sisters will prosper.",
        // Yamaghantaka, house 4
        "You will enjoy many family celebrations. "
        "You will have the blessings of your elders. You will own land.",
        // Yamaghantaka, house 5
        "You will be well educated and will hold advisory posts where others seek your counsel. "
        "You may face trouble or worry on account of your children.",
        // Yamaghantaka, house 6
        "You may tend toward laziness. You may earn a bad reputation. "
        "You may be drawn to the darker side of the occult, which you will do well to avoid.",
        // Yamaghantaka, house 7
        "You will have a happy family life. "
        "You will be respectful of people and treat everyone with courtesy.",
        // Yamaghantaka, house 8
        "You will live on earnings from day to day work.",
        // Yamaghantaka, house 9
        "You will enjoy a happy family life and live in comfort with wealth. "
        "You will hold a position of authority.",
        // Yamaghantaka, house 10
        "You will be religious and keep your faith close to your heart. "
        "You will reach a high status in your profession.",
        // Yamaghantaka, house 11
        "You will gain through your spouse and children. "
        "You may live abroad for a time. You will do well in business.",
        // Yamaghantaka, house 12
        "You may find it hard to earn a living. "
        "You may see members of your family move away and leave you to manage on your own.",
    }},
    // Gulika
    {{
        // Gulika, house 1
        "You may suffer from health problems. You may be selfish at times and may speak rudely to others.",
        // Gulika, house 2
        "You may have plain looks. You will always seem to be short of money, however hard you try to save.",
        // Gulika, house 3
        "You will be charming and a born leader. You will be honoured by others and will become famous.",
        // Gulika, house 4
        "You may always be prone to illness, and you will need to take good care of your health.",
        // Gulika, house 5
        "You may be deceitful and selfish in your dealings. You may be ruled by your spouse in most matters.",
        // Gulika, house 6
        "You will have no enemies and well loved. You will be strong and valiant and the ideal role model for everyone. "
        "Your helpful and friendly nature will get you many friends.",
        // Gulika, house 7
        "You will let your spouse rule over your affairs. "
        "You may live on the wealth of others rather than on your own earnings.",
        // Gulika, house 8
        "You may have a bad temper. "
        "You will never be fully satisfied with what you have and will always want more.",
        // Gulika, house 9
        "You may face many obstacles in your path. "
        "You may suffer from lethargy. You may at times be cruel to others.",
        // Gulika, house 10
        "You will be very lucky. You will be blessed with many sons. "
        "You will have deep faith and will find peace in meditation.",
        // Gulika, house 11
        "You will show leadership. You will be kind and always ready to help those around you.",
        // Gulika, house 12
        "You may be mean and cruel. "
        "You may be tempted toward crime, so you will need to keep away from bad company.",
    }},
    // Maandi
    {{
        // Maandi, house 1
        "You may suffer from illnesses and bodily defects. You will earn your living through hard work.",
        // Maandi, house 2
        "You may have an unkind nature. "
        "You may be harsh to the people you love, even when you care for them deeply.",
        // Maandi, house 3
        "You may be dangerous when provoked. You will choose a brave profession. "
        "You may be fond of gossip. You will be blessed with children.",
        // Maandi, house 4
        "You may know unhappiness. You may run away from the comforts of home. "
        "You may be at odds with your relatives.",
        // Maandi, house 5
        "You may be unhappy on account of your children. "
        "You may suffer from illness. You may be passed over for promotion at work.",
        // Maandi, house 6
        "You may feel a strong dislike for your mother's family. "
        "You may take on loans that are hard to repay. You may have a difficult career.",
        // Maandi, house 7
        "You will be passionate. You may stray from moral ways and may earn a bad reputation.",
        // Maandi, house 8
        "You will be intelligent. You will take an interest in the occult. "
        "You may undergo surgery. You may face danger from fire.",
        // Maandi, house 9
        "You will earn money through religion, though you may have no real faith yourself.",
        // Maandi, house 10
        "You will become famous through religion. "
        "You will be known for your charity and generous gifts to others.",
        // Maandi, house 11
        "You will be extremely rich. You will own land. You will hold authority. You will be courageous.",
        // Maandi, house 12
        "You will forever suffer from a shortage of money. "
        "You will be gutless and always be scared. You may suffer from physical defects.",
    }},
}};
// clang-format on

}  // namespace vela::upagraha
